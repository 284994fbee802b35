#pragma once

#include <QLineEdit>

#include <string>

/// The field of a noise seed: decimal digits from 0 to 2^64 - 1, tinted while they are not one.
class CSeedEdit : public QLineEdit {
    Q_OBJECT

public:
    CSeedEdit(const std::string& digits, QWidget* parent = nullptr);

    /// The seed typed, as the settings carry it; the one it was given while the text is not a seed.
    std::string Digits() const;

private:
    std::string m_digits;
};
