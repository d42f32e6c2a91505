// CCmdTarget: the root of every class that has a message map.
#pragma once

#include "MessageMap.h"

class CCmdTarget {
public:
    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // Shows the busy cursor until the matching EndWaitCursor; calls nest.
    void BeginWaitCursor();
    void EndWaitCursor();

    static const AFX_MSGMAP* GetThisMessageMap();

protected:
    virtual const AFX_MSGMAP* GetMessageMap() const;
    // Finds the entry for a message (and command code and id), walking the base maps.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message, UINT code, UINT id) const;
};
