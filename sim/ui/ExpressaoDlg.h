#pragma once

#include <QDialog>

#include <string>

class QLineEdit;

/// Dialog 134, "Expressão": edits a simulation window's plant formula and, while the user types,
/// evaluates it on p = 2.0, t = 3.0 and dt = 5.0, showing the result or "Erro na fórmula".
class CExpressaoDlg : public QDialog {
    Q_OBJECT

public:
    explicit CExpressaoDlg(QWidget* parent = nullptr);

    /// The "Expressão..." command of a view: edits `formula` in the dialog (no parent window) and
    /// writes the edited text back only when the dialog ends with "OK".
    static void EditFormula(std::string& formula);

    std::string m_strFormula; ///< exchanged with the formula edit (1022)
    std::string m_strResult;  ///< exchanged with the result edit (1023)

    QLineEdit* FormulaEdit() const { return m_pFormulaEdit; }
    QLineEdit* ResultEdit() const { return m_pResultEdit; }

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    /// Fills the edits from the members (opening) or the members from the edits (OK).
    void UpdateData(bool bSaveAndValidate);
    void OnChangeFormula();
    /// The result text for the formula in the edit: its value on the test values, or the error.
    QString EvaluateOnTestValues();
    void ShowFormulaGuide();

    QLineEdit* m_pFormulaEdit = nullptr;
    QLineEdit* m_pResultEdit = nullptr;
    bool m_bExchanging = false;
    bool m_bInitialised = false;
};
