#include "AboutDlg.h"

#include "AppIcon.h"
#include "DialogUnits.h"
#include "VorlintIdentity.h"

#include <QLabel>
#include <QPushButton>

namespace {

// Dialog 100 in dialog units: the box, the icon, the version line and the OK button.
const QRect kDialogSize(0, 0, 235, 55);
const QRect kIconRect(11, 17, 20, 20);
const QRect kVersionRect(40, 10, 119, 8);
const QRect kOkRect(178, 7, 50, 14);

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Sobre o Vorlint"));
    setFont(QFont(QStringLiteral("MS Shell Dlg"), 8));
    const DialogBaseUnits base = dialogBaseUnits(fontMetrics());

    auto* icon = new QLabel(this);
    const QRect iconRect = dialogUnitsToPixels(kIconRect, base);
    icon->setPixmap(VorlintIcon().pixmap(iconRect.size()));
    icon->setGeometry(iconRect);

    auto* version = new QLabel(tr("Vorlint Version %1").arg(QStringLiteral(VORLINT_VERSION)), this);
    version->setGeometry(dialogUnitsToPixels(kVersionRect, base));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    ok->setGeometry(dialogUnitsToPixels(kOkRect, base));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(dialogUnitsToPixels(kDialogSize, base).size());
}
