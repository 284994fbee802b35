#pragma once

#include <QString>

class CHistoryView;
class CVorlintView;

/// View > "Histórico da execução": shows the history window of `view` (titled after the window's
/// `title`), making it on first use with its exports wired to File's, and brings it to the front.
CHistoryView& ShowRunHistory(CVorlintView& view, const QString& title);
