#include "demo_road.h"

#include "Unit2.h"
#include "error_report.h"
#include "form2_pages/page_aventuras.h"
#include "form2_pages/page_default.h"
#include "form2_pages/page_scripts.h"

#include <QListWidget>
#include <QTimer>

#include <cstdlib>

namespace vorn::win {

void installDemoRoad(const Forms& forms) {
    const char* value = std::getenv("VORNSCRIPT_DEMO_ROAD");
    if (!value || !*value) return;
    const QStringList parts = QString::fromLocal8Bit(value).split(QLatin1Char(':'));
    if (parts.size() < 2) return;
    TForm2* tools = forms.Form2;
    QTimer::singleShot(300, tools, [tools, parts] {
        guarded([tools, parts] {
            tools->LogoClick();
            tools->Default->XLog->setText(parts[0]);
            tools->Default->XSen->setText(parts[1]);
            tools->btLogClick();
            if (parts.size() < 3) return;
            QListWidget* adventures = tools->Aventuras->Lbx1;
            const auto found = adventures->findItems(parts[2], Qt::MatchExactly);
            if (found.isEmpty()) return;
            adventures->setCurrentItem(found.front());
            tools->Lbx1DblClick();
            if (parts.size() < 4) return;
            QListWidget* scripts = tools->Scripts->Lbx2;
            const auto script = scripts->findItems(parts[3], Qt::MatchExactly);
            if (script.isEmpty()) return;
            scripts->setCurrentItem(script.front());
            tools->Lbx2Click();
            if (parts.size() < 5) return;
            tools->Abook->setPageIndex(parts[4].toInt());
            tools->raise();
        });
    });
}

} // namespace vorn::win
