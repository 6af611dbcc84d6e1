// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "AboutPanel.h"

#import <AppKit/AppKit.h>

namespace vesk::AboutPanel {

// Compiled with ARC (see vesk/CMakeLists.txt).
bool show(const QString &name, const QString &version, const QString &credits)
{
    // Credits with no attributes: the panel gives them its own font.
    NSAttributedString *text = [[NSAttributedString alloc] initWithString:credits.toNSString()];
    NSDictionary<NSAboutPanelOptionKey, id> *options = @{
        NSAboutPanelOptionApplicationName : name.toNSString(),
        NSAboutPanelOptionApplicationVersion : version.toNSString(),
        NSAboutPanelOptionCredits : text,
    };
    [NSApp orderFrontStandardAboutPanelWithOptions:options];
    return true;
}

} // namespace vesk::AboutPanel
