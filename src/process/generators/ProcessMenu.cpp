#include "process/generators/ProcessMenu.h"

#include "process/generators/DrillProcesses.h"
#include "process/generators/MDrillProcesses.h"
#include "process/generators/MTapProcesses.h"

namespace {
constexpr auto Submenu = ProcessItem::Submenu;
constexpr auto Command = ProcessItem::Command;
constexpr auto Disabled = ProcessItem::Disabled;
constexpr auto Generator = ProcessItem::Generator;
} // namespace

const std::vector<ProcessItem>& ProcessItems()
{
    // clang-format off
    static const std::vector<ProcessItem> items = {
        {"Process", "ProcessUGC", u" Material Input ", Command},

        {"Process", "ProcessDrill", u" Drill ", Submenu},
        {"ProcessDrill", "ProcessDrillHss", u"Hiss", Generator, 1, SetUpDrillHss, BuildDrillHss},
        {"ProcessDrill", "ProcessDrillU", u"corbyte", Generator, 2, SetUpDrillU, BuildDrillU},

        {"Process", "ProcessGROV", u" GROV ", Submenu},
        {"ProcessGROV", "ProcessGROVOD", u" UTV. ", Generator, 5},
        {"ProcessGROV", "ProcessGROVID", u"  INV. ", Generator, 6},
        {"ProcessGROV", "ProcessGROVPLAN", u" PLAN ", Generator, 4},
        {"ProcessGROV", "ProcessGROVPLANOD", u" PLAN + UTV. ", Generator, 3},

        {"Process", "ProcessFIN", u" FIN ", Submenu},
        {"ProcessFIN", "ProcessFINOD", u" UTV. ", Generator, 9},
        {"ProcessFIN", "ProcessFINID", u"  INV. ", Generator, 10},
        {"ProcessFIN", "ProcessFINPLAN", u" PLAN ", Generator, 8},
        {"ProcessFIN", "ProcessFINPLANOD", u" PLAN + UTV. ", Generator, 7},

        {"Process", "ProcessGroove", u" Groove ", Submenu},
        {"ProcessGroove", "ProcessGroovePLAN", u" PLAN ", Generator, 11},
        {"ProcessGroove", "ProcessGrooveOD", u" UTV. ", Generator, 12},
        {"ProcessGroove", "ProcessGrooveID", u"  INV. ", Generator, 13},

        {"Process", "ProcessThread", u" Thread ", Submenu},
        {"ProcessThread", "ProcessThreadPLAN", u" PLAN ", Generator, 14},
        {"ProcessThread", "ProcessThreadOD", u" UTV. ", Generator, 15},
        {"ProcessThread", "ProcessThreadID", u"  INV. ", Generator, 16},

        {"Process", "ProcessMDrill", u" M-axis  Drill ", Submenu},
        {"ProcessMDrill", "ProcessMDrillPLAN", u" PLAN ", Generator, 17, SetUpMDrillPlan, BuildMDrillPlan},
        {"ProcessMDrill", "ProcessMDrillSide", u" Side ", Generator, 18, SetUpMDrillSide, BuildMDrillSide},
        {"ProcessMDrill", "ProcessMDrillSlant", u" Slant ", Generator, 19, SetUpMDrillSlant, BuildMDrillSlant},

        {"Process", "ProcessMTap", u" M-axis  Tap ", Submenu},
        {"ProcessMTap", "ProcessMTapPLAN", u" PLAN ", Generator, 20, SetUpMTapPlan, BuildMTapPlan},
        {"ProcessMTap", "ProcessMTapSide", u" Side ", Generator, 21, SetUpMTapSide, BuildMTapSide},
        {"ProcessMTap", "ProcessMTapSlant", u" Slant ", Generator, 22, SetUpMTapSlant, BuildMTapSlant},

        {"Process", "ProcessMPlanetTap", u" M-axis planet Tap ", Submenu},
        {"ProcessMPlanetTap", "ProcessMPlanetTapPLAN", u" PLAN ", Disabled},
        {"ProcessMPlanetTap", "ProcessMPlanetTapSide", u" Side ", Disabled},
        {"ProcessMPlanetTap", "ProcessMPlanetTapSlant", u" Slant ", Generator, 33, SetUpMPlanetTapSlant, BuildMPlanetTapSlant},

        {"Process", "ProcessMKey", u" M-axis  Key way ", Submenu},
        {"ProcessMKey", "ProcessMKeyPLAN", u" PLAN ", Generator, 23},
        {"ProcessMKey", "ProcessMKeySide", u" Side ", Generator, 24},
        {"ProcessMKey", "ProcessMKeySlant", u" Slant ", Generator, 25},

        {"Process", "ProcessMSousei", u" M-axis milling", Submenu},
        {"ProcessMSousei", "ProcessMSouseiPLAN", u" PLAN ", Generator, 26},
        {"ProcessMSousei", "ProcessMSouseiSide", u" Side ", Generator, 27},

        {"Process", "ProcessMCircle", u" M-axis endmill circle ", Submenu},
        {"ProcessMCircle", "ProcessMCirclePLAN", u" PLAN ", Disabled},
        {"ProcessMCircle", "ProcessMCircleSide", u" Side ", Disabled},
        {"ProcessMCircle", "ProcessMCircleSlant", u" Slant ", Generator, 30},

        {"Process", "ProcessMeasuer", u"In-process  measurement ", Submenu},
        {"ProcessMeasuer", "ProcessMeasuerIn", u"  INV.  measurement ", Submenu},
        {"ProcessMeasuerIn", "ProcessMeasuerInD", u"Diameter  measurement ", Generator, 34},
        {"ProcessMeasuerIn", "ProcessMeasuerInR", u"Radius  measurement ", Generator, 34},
        {"ProcessMeasuer", "ProcessMeasuerOut", u" UTV.  measurement ", Submenu},
        {"ProcessMeasuerOut", "ProcessMeasuerOutD", u"Diameter  measurement ", Generator, 34},
        {"ProcessMeasuerOut", "ProcessMeasuerOutR", u"Radius  measurement ", Generator, 34},
        {"ProcessMeasuer", "ProcessMeasuerZero", u"Zero  setting ", Submenu},
        {"ProcessMeasuerZero", "ProcessMeasuerZeroCaxis", u" C-axis ", Generator, 34},
        {"ProcessMeasuerZero", "ProcessMeasuerZeroZaxis", u" Z-axis ", Generator, 34},
        {"ProcessMeasuer", "ProcessMeasuerOutside", u" post-process gauging ", Generator},

        {"Process", "ProcessMT", u"ATC  Ready-request ", Submenu},
        {"ProcessMT", "ProcessMT1", u"L Tool", Command},
        {"ProcessMT", "ProcessMT3", u"M Tool", Command},

        {"Process", "ProcessSetup", u"Prosess setting ", Command},
    };
    // clang-format on
    return items;
}

const ProcessItem* FindProcessItem(const QString& control)
{
    for (const ProcessItem& item : ProcessItems())
        if (control == QLatin1String(item.control))
            return &item;
    return nullptr;
}
