#include "app/gui_messages.h"

#include <QtWidgets/QMessageBox>

#include "app/translated_texts.h"

namespace vizud {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Stop:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MessageButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

// The caption of every message box is the program's name, as the box's editor shows it.
constexpr const char* kCaption = "Diruriz Ezoviv for HD";

}  // namespace

void GuiMessages::show(const std::string& text, MessageIcon icon) {
    QMessageBox box(boxIcon(icon), QString::fromLatin1(kCaption), translated(text), QMessageBox::Ok, m_parent);
    box.setObjectName("messageBox");
    box.exec();
}

MessageAnswer GuiMessages::ask(const std::string& text, MessageButtons buttons, MessageIcon icon) {
    QMessageBox box(boxIcon(icon), QString::fromLatin1(kCaption), translated(text), boxButtons(buttons), m_parent);
    box.setObjectName("messageBox");
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Ok:
            return MessageAnswer::Ok;
        default:
            return MessageAnswer::Cancel;
    }
}

}  // namespace vizud
