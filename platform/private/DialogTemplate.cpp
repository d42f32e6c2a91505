#include "DialogTemplate.h"

#include "Resources.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Styles are written as hexadecimal strings, as in a resource script.
DWORD styleValue(const QJsonValue& value)
{
    return value.isString() ? value.toString().toUInt(nullptr, 0)
                            : static_cast<DWORD>(value.toInteger());
}

QJsonObject loadJson(ResourceKind kind, UINT id)
{
    QFile file(resourcePath(kind, id));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

std::vector<Accelerator> loadAccelerators(UINT id)
{
    std::vector<Accelerator> accelerators;
    const QJsonArray table =
        loadJson(ResourceKind::Accelerators, id).value("accelerators").toArray();
    for (const auto& item : table) {
        const QJsonObject entry = item.toObject();
        accelerators.push_back({entry.value("key").toString(), entry.value("command").toInt()});
    }
    return accelerators;
}

} // namespace

std::optional<DialogTemplate> DialogTemplate::load(UINT id)
{
    const QJsonObject root = loadJson(ResourceKind::Dialog, id);
    if (root.isEmpty())
        return std::nullopt;

    DialogTemplate result;
    result.id = id;
    result.style = styleValue(root.value("style"));
    result.exStyle = styleValue(root.value("exStyle"));
    result.cx = root.value("cx").toInt();
    result.cy = root.value("cy").toInt();
    result.caption = root.value("caption").toString();
    result.fontFace = root.value("font").toObject().value("face").toString();
    result.pointSize = root.value("font").toObject().value("pointSize").toInt(8);
    for (const auto& item : root.value("controls").toArray()) {
        const QJsonObject c = item.toObject();
        DialogControl control;
        control.id = c.value("id").toInt();
        control.className = c.value("class").toString();
        control.text = c.value("text").toString();
        control.style = styleValue(c.value("style"));
        control.x = c.value("x").toInt();
        control.y = c.value("y").toInt();
        control.cx = c.value("cx").toInt();
        control.cy = c.value("cy").toInt();
        control.accessibleName = c.value("accessibleName").toString();
        control.toolTip = c.value("toolTip").toString();
        control.buddy = c.value("buddy").toInt();
        const QJsonArray room = c.value("room").toArray();
        if (room.size() == 3) {
            control.roomLeft = room[0].toInt();
            control.roomAbove = room[1].toInt();
            control.roomBelow = room[2].toInt();
        }
        result.controls.push_back(control);
    }
    result.accelerators = loadAccelerators(id);
    return result;
}
