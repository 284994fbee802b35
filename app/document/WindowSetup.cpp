#include "WindowSetup.h"

#include "SettingsTable.h"
#include "VorlintView.h"

VrlWindowSetup CollectWindowSetup(CVorlintView& view, const KeptJson& kept) {
    VrlWindowSetup setup;
    const SettingTarget target{view, &view};
    for (const SettingRow& row : settingRows()) {
        if (row.fileKey != nullptr)
            setup.settings.push_back({&row, row.read(target)});
    }
    setup.events = view.ScheduledEvents();
    setup.kept = kept;
    return setup;
}

KeptJson ApplyWindowSetup(const VrlWindowSetup& setup, CVorlintView& view) {
    SettingTarget target{view, &view};
    for (const SettingChange& change : setup.settings)
        applySetting(target, *change.row, change.value);
    view.SetScheduledEvents(setup.events);
    return setup.kept;
}
