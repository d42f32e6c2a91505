#include "ChartSlot.h"

#include "ChartPlugin.h"
#include "ModuleFolders.h"

#include <QPluginLoader>
#include <QVBoxLayout>

namespace {

constexpr char kPluginName[] = "zplatform-charts";

// In the framework's module folders, else in the folders where Qt looks for libraries.
ChartPlugin* loadPlugin()
{
    QStringList candidates;
    for (const QString& folder : moduleFolders())
        candidates << folder + u'/' + QLatin1String(kPluginName);
    candidates << QLatin1String(kPluginName);
    QString problems;
    for (const QString& candidate : candidates) {
        QPluginLoader loader(candidate);
        if (auto* plugin = qobject_cast<ChartPlugin*>(loader.instance()))
            return plugin;
        problems += u'\n' + loader.errorString();
    }
    qWarning("No charts can be shown:%s", qUtf8Printable(problems));
    return nullptr;
}

} // namespace

ChartSlot::ChartSlot(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

BarChartControl* ChartSlot::chart()
{
    if (m_chart)
        return m_chart;
    // Loaded once for the run; the loader keeps it until the program ends.
    static ChartPlugin* const plugin = loadPlugin();
    if (!plugin)
        return nullptr;
    m_chart = plugin->createBarChart(this);
    m_chart->widget()->setAccessibleName(accessibleName());
    layout()->addWidget(m_chart->widget());
    return m_chart;
}
