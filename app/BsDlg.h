#pragma once
// The one message box of every window: a title, a text, an information or
// warning icon and a single OK button, modal. Tests replace the box by a
// recorder that returns at once.

#include <QString>

#include <functional>

class QWidget;

class TBsDlg
{
public:
    enum class Icon { None, Information, Warning };

    static void Information(QWidget* parent, const QString& title, const QString& text);
    static void Warning(QWidget* parent, const QString& title, const QString& text);
    static void Show(QWidget* parent, const QString& title, const QString& text, Icon icon);

    using Handler = std::function<void(const QString& title, const QString& text, Icon icon)>;
    // Replaces the modal box (tests); an empty handler restores it.
    static void SetHandler(Handler handler);
};
