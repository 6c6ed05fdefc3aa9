#include "desktop/about_dialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "desktop/app_icon.h"
#include "vela_version.h"

namespace vela::desktop {

namespace {

constexpr char kAboutText[] =
    QT_TRANSLATE_NOOP("vela::desktop::AboutDialog",
                      "<p>A calculator for Vedic (sidereal) astrology. From the date, time and place of birth it works "
                      "out the sidereal ascendant, the sunrise and sunset around the birth day, and the six time-based "
                      "upagrahas (shadow planets): Kaala, Mrityu, Arthaprahaara, Yamaghantaka, Gulika and Maandi, "
                      "each with its longitude, its house from the ascendant and an interpretation.</p>"
                      "<p>Every calculation runs on this computer; no data leaves it and nothing is stored unless you "
                      "save a reading.</p>"
                      "<p>Licence: free software under the MIT License.<br>"
                      "Credits: the Vela Upagrahas developers. Built with the Qt toolkit (LGPL 3) and, for the offline "
                      "atlas, libgeonames (GPL 3) with place data from GeoNames (CC BY 4.0); linked with libgeonames, "
                      "this desktop program as a whole is distributed under the GPL 3. Text set in Verdana or DejaVu "
                      "Sans.</p>");

// A text of its own, so that the catalogues' About text above stays translated as it is.
constexpr char kEphemerisLicenceText[] =
    QT_TRANSLATE_NOOP("vela::desktop::AboutDialog",
                      "<p>The precise positions come from the Swiss Ephemeris (AGPL 3): linked with it, this "
                      "program is distributed under the GNU Affero General Public License 3. Its source stays "
                      "under the MIT License.</p>");

}  // namespace

QDialog* CreateAboutDialog(QWidget* parent) {
    auto* dialog = new QDialog(parent);
    dialog->setObjectName(QStringLiteral("AboutDialog"));
    dialog->setWindowTitle(QCoreApplication::translate("vela::desktop::AboutDialog", "About Vela Upagrahas"));
    dialog->setModal(true);

    auto* icon = new QLabel(dialog);
    icon->setPixmap(QPixmap::fromImage(DrawAppIcon(64)));
    icon->setAlignment(Qt::AlignTop);
    auto* text = new QLabel(QStringLiteral("<h3>") + QString::fromUtf8(kWindowCaption) + QStringLiteral("</h3>") +
                                QCoreApplication::translate("vela::desktop::AboutDialog", kAboutText) +
                                QCoreApplication::translate("vela::desktop::AboutDialog", kEphemerisLicenceText),
                            dialog);
    text->setObjectName(QStringLiteral("aboutLabel"));
    text->setWordWrap(true);
    text->setTextFormat(Qt::RichText);
    text->setMinimumWidth(360);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(text, 1);
    auto* column = new QVBoxLayout(dialog);
    column->addLayout(row);
    column->addWidget(buttons);
    return dialog;
}

void ShowAboutDialog(QWidget* parent) {
    QDialog* dialog = CreateAboutDialog(parent);
    dialog->exec();
    delete dialog;
}

}  // namespace vela::desktop
