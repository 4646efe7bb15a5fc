#pragma once
// Settings the embedded browser engine needs before the application object
// exists: shared GL contexts, and on Linux no sandbox when running as root
// (the engine refuses to start there otherwise); other users keep it.
void PrepareBrowserProcess();
