#pragma once
// Showing a child window modally. Tests replace the modal loop by a function
// that drives the window and returns its result.

#include <functional>

class QDialog;

int ShowModal(QDialog* dialog);

using ModalHandler = std::function<int(QDialog* dialog)>;
void SetModalHandler(ModalHandler handler);
