#pragma once
// Settings made before the application object exists. The embedded browser
// needs shared GL contexts and, on Linux as root, no sandbox (its engine
// refuses to start there otherwise; other users keep the sandbox). On Linux
// videos play through the FFmpeg backend of the multimedia module.
void PrepareProcess();
