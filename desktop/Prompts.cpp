#include "desktop/Prompts.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace brannock {

QWidget *QtPrompts::boxParent() const
{
    if (QWidget *modal = QApplication::activeModalWidget(); modal && modal->isVisible())
        return modal;
    if (QWidget *active = QApplication::activeWindow(); active && active->isVisible())
        return active;
    return m_owner;
}

void QtPrompts::prepare(QDialog &box) const
{
    if (m_onTop)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
}

PromptAnswer QtPrompts::message(const QString &title, const QString &text, PromptButtons buttons,
                                PromptIcon icon)
{
    QMessageBox box(boxParent());
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText); // texts name files and folders, never markup
    box.setText(text);
    switch (icon) {
    case PromptIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case PromptIcon::Information: box.setIcon(QMessageBox::Information); break;
    case PromptIcon::Question: box.setIcon(QMessageBox::Question); break;
    case PromptIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    }
    if (buttons == PromptButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    prepare(box);
    const int result = box.exec();
    if (buttons == PromptButtons::YesNo)
        return result == QMessageBox::Yes ? PromptAnswer::Yes : PromptAnswer::No;
    return PromptAnswer::Ok;
}

std::optional<QString> QtPrompts::input(const QString &prompt, const QString &title,
                                        const QString &defaultText)
{
    QInputDialog dialog(boxParent());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    prepare(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

} // namespace brannock
