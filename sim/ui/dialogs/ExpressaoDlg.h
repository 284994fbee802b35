#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QLineEdit;

/// Dialog 134, "Expressão": edits a simulation window's plant formula and, while the user types,
/// evaluates it on p = 2.0, t = 3.0 and dt = 5.0, showing the result or "Erro na fórmula" with the
/// engine's message for the failure on the line below.
class CExpressaoDlg : public QDialog {
    Q_OBJECT

public:
    /// `language` is the interface's ("pt_BR", "en"; empty while it shows its texts as written): the
    /// "Ajuda..." button shows the formula guide in it when there is one.
    explicit CExpressaoDlg(const QString& language = QString(), QWidget* parent = nullptr);

    /// The "Expressão..." command of a view: edits `formula` in the dialog (no parent window) and
    /// writes the edited text back only when the dialog ends with "OK". A hidden plant's formula is
    /// neither shown nor changed (HidePlant).
    static void EditFormula(std::string& formula, const QString& language, bool plantHidden = false);

    /// Before the dialog shows: the formula edit reads "planta oculta" and is disabled, nothing is
    /// evaluated, and "OK" keeps m_strFormula as it was.
    void HidePlant() { m_bPlantHidden = true; }

    std::string m_strFormula; ///< exchanged with the formula edit (1022)
    std::string m_strResult;  ///< exchanged with the result edit (1023)

    QLineEdit* FormulaEdit() const { return m_pFormulaEdit; }
    QLineEdit* ResultEdit() const { return m_pResultEdit; }
    QLabel* MessageLabel() const { return m_pMessageLabel; }

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString m_language;
    void CreateControls();
    /// Fills the edits from the members (opening) or the members from the edits (OK).
    void UpdateData(bool bSaveAndValidate);
    /// What the edits show of a hidden plant, in both directions of the exchange.
    void ShowPlantHidden();
    void OnChangeFormula();
    /// Evaluates the formula in the edit on the test values: the engine's status, and on 0 `result`.
    int EvaluateOnTestValues(double& result);
    void ShowFormulaGuide();

    QLineEdit* m_pFormulaEdit = nullptr;
    QLineEdit* m_pResultEdit = nullptr;
    QLabel* m_pMessageLabel = nullptr;
    bool m_bExchanging = false;
    bool m_bInitialised = false;
    bool m_bPlantHidden = false;
};
