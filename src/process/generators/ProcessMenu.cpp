#include "process/generators/ProcessMenu.h"

#include "process/generators/DrillProcesses.h"
#include "process/generators/FinishingProcesses.h"
#include "process/generators/GrooveProcesses.h"
#include "process/generators/MDrillProcesses.h"
#include "process/generators/MTapProcesses.h"
#include "process/generators/MeasureProcesses.h"
#include "process/generators/MillProcesses.h"
#include "process/generators/RoughTurningProcesses.h"
#include "process/generators/ThreadProcesses.h"

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
        {"ProcessGROV", "ProcessGROVOD", u" UTV. ", Generator, 5, SetUpGrovOd, BuildGrovOd},
        {"ProcessGROV", "ProcessGROVID", u"  INV. ", Generator, 6, SetUpGrovId, BuildGrovId},
        {"ProcessGROV", "ProcessGROVPLAN", u" PLAN ", Generator, 4, SetUpGrovPlan, BuildGrovPlan},
        {"ProcessGROV", "ProcessGROVPLANOD", u" PLAN + UTV. ", Generator, 3, SetUpGrovPlanOd, BuildGrovPlanOd},

        {"Process", "ProcessFIN", u" FIN ", Submenu},
        {"ProcessFIN", "ProcessFINOD", u" UTV. ", Generator, 9, SetUpFinOd, BuildFinOd},
        {"ProcessFIN", "ProcessFINID", u"  INV. ", Generator, 10, SetUpFinId, BuildFinId},
        {"ProcessFIN", "ProcessFINPLAN", u" PLAN ", Generator, 8, SetUpFinPlan, BuildFinPlan},
        {"ProcessFIN", "ProcessFINPLANOD", u" PLAN + UTV. ", Generator, 7, SetUpFinPlanOd, BuildFinPlanOd},

        {"Process", "ProcessGroove", u" Groove ", Submenu},
        {"ProcessGroove", "ProcessGroovePLAN", u" PLAN ", Generator, 11, SetUpGroovePlan, BuildGroovePlan},
        {"ProcessGroove", "ProcessGrooveOD", u" UTV. ", Generator, 12, SetUpGrooveOd, BuildGrooveOd},
        {"ProcessGroove", "ProcessGrooveID", u"  INV. ", Generator, 13, SetUpGrooveId, BuildGrooveId},

        {"Process", "ProcessThread", u" Thread ", Submenu},
        {"ProcessThread", "ProcessThreadPLAN", u" PLAN ", Generator, 14, SetUpThreadPlan, BuildThreadPlan},
        {"ProcessThread", "ProcessThreadOD", u" UTV. ", Generator, 15, SetUpThreadOd, BuildThreadOd},
        {"ProcessThread", "ProcessThreadID", u"  INV. ", Generator, 16, SetUpThreadId, BuildThreadId},

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
        {"ProcessMKey", "ProcessMKeyPLAN", u" PLAN ", Generator, 23, SetUpMKeyPlan, BuildMKeyPlan},
        {"ProcessMKey", "ProcessMKeySide", u" Side ", Generator, 24, SetUpMKeySide, BuildMKeySide},
        {"ProcessMKey", "ProcessMKeySlant", u" Slant ", Generator, 25, SetUpMKeySlant, BuildMKeySlant},

        {"Process", "ProcessMSousei", u" M-axis milling", Submenu},
        {"ProcessMSousei", "ProcessMSouseiPLAN", u" PLAN ", Generator, 26, SetUpMMillPlan, BuildMMillPlan},
        {"ProcessMSousei", "ProcessMSouseiSide", u" Side ", Generator, 27, SetUpMMillSide, BuildMMillSide},

        {"Process", "ProcessMCircle", u" M-axis endmill circle ", Submenu},
        {"ProcessMCircle", "ProcessMCirclePLAN", u" PLAN ", Disabled},
        {"ProcessMCircle", "ProcessMCircleSide", u" Side ", Disabled},
        {"ProcessMCircle", "ProcessMCircleSlant", u" Slant ", Generator, 30, SetUpMCircleSlant, BuildMCircleSlant},

        {"Process", "ProcessMeasuer", u"In-process  measurement ", Submenu},
        {"ProcessMeasuer", "ProcessMeasuerIn", u"  INV.  measurement ", Submenu},
        {"ProcessMeasuerIn", "ProcessMeasuerInD", u"Diameter  measurement ", Generator, 34, SetUpMeasureInD, BuildMeasureInD, MeasureInDCall},
        {"ProcessMeasuerIn", "ProcessMeasuerInR", u"Radius  measurement ", Generator, 34, SetUpMeasureInR, BuildMeasureInR, MeasureInRCall},
        {"ProcessMeasuer", "ProcessMeasuerOut", u" UTV.  measurement ", Submenu},
        {"ProcessMeasuerOut", "ProcessMeasuerOutD", u"Diameter  measurement ", Generator, 34, SetUpMeasureOutD, BuildMeasureOutD, MeasureOutDCall},
        {"ProcessMeasuerOut", "ProcessMeasuerOutR", u"Radius  measurement ", Generator, 34, SetUpMeasureOutR, BuildMeasureOutR, MeasureOutRCall},
        {"ProcessMeasuer", "ProcessMeasuerZero", u"Zero  setting ", Submenu},
        {"ProcessMeasuerZero", "ProcessMeasuerZeroCaxis", u" C-axis ", Generator, 34, SetUpZeroCAxis, BuildZeroCAxis},
        {"ProcessMeasuerZero", "ProcessMeasuerZeroZaxis", u" Z-axis ", Generator, 34, SetUpZeroZAxis, BuildZeroZAxis},
        {"ProcessMeasuer", "ProcessMeasuerOutside", u" post-process gauging ", Generator, 0, nullptr, BuildPostProcessGauging},

        {"Process", "ProcessMT", u"ATC  Ready-request ", Submenu},
        {"ProcessMT", "ProcessMT1", u"L Tool", Command},
        {"ProcessMT", "ProcessMT3", u"M Tool", Command},

        {"Process", "ProcessSetup", u"Prosess setting ", Command},
    };
    // clang-format on
    return items;
}
