#pragma once

#include "EventsTable.h"

#include <QDialog>

#include <vector>

/// "Eventos": a window's scheduled setting changes, edited in an events table; with `plantHidden` the
/// plant's dynamics are neither shown nor offered.
class CEventsDlg : public QDialog {
    Q_OBJECT

public:
    explicit CEventsDlg(const std::vector<ScheduledEvent>& events, QWidget* parent = nullptr,
                        bool plantHidden = false);

    std::vector<ScheduledEvent> Events() const { return m_events->Events(); }
    CEventsTable* EventsTable() const { return m_events; }

private:
    CEventsTable* m_events;
};
