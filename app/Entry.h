#pragma once
// The entry sequence: one running copy, the data module, the login window and,
// after a login, the main window until it closes. Returns the exit code.

class QApplication;

int RunEntrySequence(QApplication& app);
