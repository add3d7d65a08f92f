// Message boxes of the editor: the Messages interface answered with QMessageBox.
#pragma once

#include <QtCore/QPointer>
#include <QtWidgets/QWidget>

#include "database/messages.h"

namespace vizud {

class GuiMessages : public Messages {
public:
    // Boxes are centred on `parent` once it is set; before the main window exists they stand alone.
    void setParent(QWidget* parent) { m_parent = parent; }

    void show(const std::string& text, MessageIcon icon) override;
    MessageAnswer ask(const std::string& text, MessageButtons buttons, MessageIcon icon) override;

private:
    QPointer<QWidget> m_parent;
};

}  // namespace vizud
