#include "app/about_box.h"

#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>

#include "vizud_version.h"

namespace vizud {

namespace {

// A text that opens `url` in the desktop's browser or mail program when clicked.
QLabel* link(const QString& text, const QString& url, QWidget* parent) {
    auto* label = new QLabel(QString("<a href=\"%1\">%2</a>").arg(url, text.toHtmlEscaped()), parent);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    label->setOpenExternalLinks(true);
    return label;
}

}  // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("aboutBox");
    setWindowTitle("Dodavev Uzavor for HD");
    auto* grid = new QGridLayout(this);

    auto* logo = new QLabel(this);
    logo->setPixmap(QPixmap(":/images/vizud_48.png"));
    grid->addWidget(logo, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(new QLabel("Dodavev Uzavor Version 03.11", this), 0, 1);
    grid->addWidget(new QLabel(tr("Channel Data and Tools"), this), 1, 1);

    auto* satellite = new QLabel(this);
    satellite->setPixmap(QPixmap(":/images/about_satellite.png"));
    grid->addWidget(satellite, 0, 2, 2, 1);

    grid->addWidget(link(tr("Web site"), "https://vizud.example.org/", this), 2, 1);
    grid->addWidget(link(tr("Support forum"), "https://vizud.example.org/forum/", this), 3, 1);
    grid->addWidget(link(tr("Downloads"), "https://vizud.example.org/downloads/", this), 4, 1);
    grid->addWidget(link("support@vizud.example.org", "mailto:support@vizud.example.org", this), 5, 1);
    auto* version = new QLabel(tr("vizud %1, free software under the GNU GPL version 3 or later").arg(kVersion), this);
    version->setObjectName("versionLabel");
    grid->addWidget(version, 6, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    grid->addWidget(buttons, 7, 0, 1, 3);
}

}  // namespace vizud
