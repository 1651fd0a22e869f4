#pragma once

#include "zorvane_config.h"

#include <QString>

namespace Zorvane {

// The title of every message box.
inline const QString kAppTitle = QStringLiteral("Zorvane");
// The caption of the entry form, the frame, the report window and the about box.
inline const QString kVersionCaption = QStringLiteral("Zorvane v" ZORVANE_VERSION);
// The file type of the open and save dialogs, and the suffix a saved reading gets.
inline const QString kReadingFileFilter = QStringLiteral("Zorvane (*.zvr)");
inline const QString kReadingFileSuffix = QStringLiteral("zvr");
// Scheme and host of the maker's web site, set at configure time.
inline const QString kSiteAddress = QStringLiteral(ZORVANE_SITE_URL);

} // namespace Zorvane
