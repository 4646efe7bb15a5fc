#pragma once
// The pictures that ship compressed in Images/Logo: inflated to a short-lived
// copy, loaded into a picture control, and the copy deleted in every case.

#include <QString>

class QLabel;

// source and temp are relative to the program folder ("Images/Logo/logoEx.png").
// False when nothing could be shown; the control then keeps what it had.
bool LoadShippedPicture(QLabel* image, const QString& source, const QString& temp);
