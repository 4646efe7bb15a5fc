#include "Modal.h"

#include <QDialog>

namespace {
ModalHandler& handler()
{
    static ModalHandler h;
    return h;
}
} // namespace

int ShowModal(QDialog* dialog)
{
    if (handler())
        return handler()(dialog);
    return dialog->exec();
}

void SetModalHandler(ModalHandler h) { handler() = std::move(h); }
