// A dialog template read from the resources: the dialog's style, caption, font and
// controls, with positions and sizes in dialog units.
#pragma once

#include "../wintypes.h"

#include <QString>
#include <optional>
#include <vector>

struct DialogControl {
    int id = 0;
    QString className; // "BUTTON", "EDIT" or "STATIC"
    QString text;      // for an icon static: "#" followed by the icon's resource id
    DWORD style = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    // Desktop additions: what a screen reader says and a tooltip shows, and the control
    // whose text the accessible name goes on with (a choice button and its line).
    QString accessibleName;
    QString toolTip;
    int buddy = 0;
    // Free room left of, above and below a read-only line, that its text may take when it
    // needs more lines than the line holds (the band of its label and the gaps around it).
    int roomLeft = 0, roomAbove = 0, roomBelow = 0;
};

// A key that sends a command, like a tap on the control with that id.
struct Accelerator {
    QString key; // in QKeySequence's portable form: "1", "Num+1", "Ctrl+O", "Return"
    int command = 0;
};

struct DialogTemplate {
    UINT id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    int cx = 0, cy = 0;
    QString caption;
    QString fontFace;
    int pointSize = 8;
    std::vector<DialogControl> controls;
    // The accelerator table of the same id, if the resources have one.
    std::vector<Accelerator> accelerators;

    // Reads template `id` from the application's resources; nothing when there is none.
    static std::optional<DialogTemplate> load(UINT id);
};
