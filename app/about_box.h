// The about box: program name and version, two pictures and links to the maker's pages.
#pragma once

#include <QtWidgets/QDialog>

namespace vizud {

class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace vizud
