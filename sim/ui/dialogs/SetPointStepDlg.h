#pragma once

#include <QDialog>

class CRangedEdit;
class QPushButton;

/// "Degrau de set point": the one new set point a step goes to, typed as the panels take numbers (a
/// decimal comma or point whatever the system's locale) and within the set-point trackbar's travel.
class CSetPointStepDlg : public QDialog {
    Q_OBJECT

public:
    CSetPointStepDlg(double setPoint, QWidget* parent = nullptr);

    double SetPoint() const;

    CRangedEdit* Edit() const { return m_edit; }
    QPushButton* OkButton() const { return m_ok; }

private:
    CRangedEdit* m_edit;
    QPushButton* m_ok;
};
