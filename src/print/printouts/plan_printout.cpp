#include "print/printouts/plan_printout.h"

#include <cmath>

#include "print/device/page_frame.h"
#include "rules/plan_geometry.h"
#include "rules/window_message.h"

namespace calvex::printouts {

namespace {

// Layout in twips of the page box, whichever way it is turned.
constexpr int kMargin = 400;
constexpr int kTitleBlockHeight = 1500;
constexpr int kTickLabelRoom = 700; // left of the drawing and below it
constexpr int kLegendHeight = 1700;
constexpr int kTickLength = 100;
constexpr int kTickGap = 900;
constexpr int kMarkerHalf = 120;
constexpr int kThinPen = 8, kPen = 15;
constexpr unsigned kWhite = 0xffffff;

int rounded(double value) { return static_cast<int>(std::lround(value)); }

struct PageSize {
    int width, height;
};

PageSize pageOf(bool landscape) {
    return landscape ? PageSize{pageBoxHeight, pageBoxWidth} : PageSize{pageBoxWidth, pageBoxHeight};
}

PlanBox drawingArea(PageSize page) {
    const double top = kMargin + kTitleBlockHeight + 300;
    const double left = kMargin + kTickLabelRoom;
    return {left, top, page.width - kMargin - left, page.height - kMargin - kLegendHeight - kTickLabelRoom - top};
}

void textAt(TextDevice& device, double x, double y, const std::string& text) {
    device.setCurrentX(rounded(x));
    device.setCurrentY(rounded(y));
    device.printText(text);
}

// Centred on (x, y).
void centredText(TextDevice& device, double x, double y, const std::string& text) {
    textAt(device, x - device.textWidth(text) / 2.0, y - device.lineHeight() / 2.0, text);
}

void titleBlock(TextDevice& device, const ProjectData& project, int storey, const std::string& date, PageSize page) {
    device.drawRectangle(kMargin, kMargin, page.width - 2 * kMargin, kTitleBlockHeight, kWhite, kPen);
    device.setFont(std::string(frameFont), frameHeadingSize);
    const int left = kMargin + 200;
    textAt(device, left, kMargin + 120,
           "PIANTA DEL PIANO n. " + std::to_string(storey) + " di " + std::to_string(project.storeyCount()));
    device.setFontSize(10);
    textAt(device, left, kMargin + 560, "Progetto: " + project.title(TitleField::progetto));
    textAt(device, left, kMargin + 960, "Data: " + date);
    const std::string program(frameTitle);
    device.setFontSize(7);
    textAt(device, page.width - kMargin - 200 - device.textWidth(program), kMargin + 960, program);
}

void axes(TextDevice& device, const PlanDrawing& drawing, const PlanNumberFormat& format) {
    const PlanBox& frame = drawing.frame;
    const double bottom = frame.top + frame.height;
    device.drawRectangle(rounded(frame.left), rounded(frame.top), rounded(frame.width), rounded(frame.height), kWhite,
                         kThinPen);
    device.setFont(std::string(frameFont), 7);
    for (const PlanTick& tick : drawing.xTicks) {
        device.drawLine(rounded(tick.position), rounded(bottom), rounded(tick.position), rounded(bottom + kTickLength),
                        kThinPen);
        centredText(device, tick.position, bottom + kTickLength + 150, format(tick.metres));
    }
    for (const PlanTick& tick : drawing.yTicks) {
        device.drawLine(rounded(frame.left - kTickLength), rounded(tick.position), rounded(frame.left),
                        rounded(tick.position), kThinPen);
        const std::string label = format(tick.metres);
        textAt(device, frame.left - kTickLength - 60 - device.textWidth(label),
               tick.position - device.lineHeight() / 2.0, label);
    }
    textAt(device, frame.left + frame.width - device.textWidth("x [m]"), bottom + kTickLength + 300, "x [m]");
    textAt(device, frame.left - kTickLabelRoom + 50, frame.top - device.lineHeight() - 40, "y [m]");
}

// A plus sign for the centre of masses, a cross for the centre of stiffness.
void massMarker(TextDevice& device, double x, double y) {
    device.drawLine(rounded(x - kMarkerHalf), rounded(y), rounded(x + kMarkerHalf), rounded(y), kPen);
    device.drawLine(rounded(x), rounded(y - kMarkerHalf), rounded(x), rounded(y + kMarkerHalf), kPen);
}

void stiffnessMarker(TextDevice& device, double x, double y) {
    device.drawLine(rounded(x - kMarkerHalf), rounded(y - kMarkerHalf), rounded(x + kMarkerHalf),
                    rounded(y + kMarkerHalf), kPen);
    device.drawLine(rounded(x - kMarkerHalf), rounded(y + kMarkerHalf), rounded(x + kMarkerHalf),
                    rounded(y - kMarkerHalf), kPen);
}

void walls(TextDevice& device, const PlanDrawing& drawing) {
    for (const DrawnWall& wall : drawing.walls)
        device.drawRectangle(rounded(wall.box.left), rounded(wall.box.top), rounded(wall.box.width),
                             rounded(wall.box.height), wallFillRgb(wall.fill), kThinPen);
    device.setFont(std::string(frameFont), 6);
    for (const DrawnWall& wall : drawing.walls)
        centredText(device, wall.centre.x, wall.centre.y, std::to_string(wall.number));
    if (drawing.massCentre) massMarker(device, drawing.massCentre->x, drawing.massCentre->y);
    if (drawing.stiffnessCentre) stiffnessMarker(device, drawing.stiffnessCentre->x, drawing.stiffnessCentre->y);
}

std::string pointText(const std::optional<PlanPoint>& point, const PlanNumberFormat& format) {
    return point ? " = (" + format(point->x) + "; " + format(point->y) + ")" : "";
}

void legend(TextDevice& device, const StoreyPlan& plan, const PlanNumberFormat& format, PageSize page) {
    const int left = kMargin, lineStep = 260;
    int top = page.height - kMargin - kLegendHeight;
    device.setFont(std::string(frameFont), 8);
    const auto swatch = [&](WallFill fill, const char* name, int x) {
        device.drawRectangle(x, top + 30, 300, 150, wallFillRgb(fill), kThinPen);
        textAt(device, x + 400, top, name);
        return x + 400 + device.textWidth(name) + 400;
    };
    int x = swatch(WallFill::xWall, kXWallsName, left);
    x = swatch(WallFill::yWall, kYWallsName, x);
    swatch(plan.resultsCurrent ? WallFill::failing : WallFill::failingStale, kFailingWallsName, x);
    top += lineStep;
    massMarker(device, left + 150, top + 100);
    textAt(device, left + 400, top, kMassCentreName + pointText(plan.massCentre, format));
    top += lineStep;
    stiffnessMarker(device, left + 150, top + 100);
    textAt(device, left + 400, top, kStiffnessCentreName + pointText(plan.stiffnessCentre, format));
    top += lineStep;
    textAt(device, left, top, planValuesLine(plan, format));
    top += lineStep;
    if (!plan.resultsCurrent) {
        textAt(device, left, top, std::string(kResultsNotCurrent));
        top += lineStep;
    }
    if (const std::string missing = wallsWithoutDataLine(plan); !missing.empty()) textAt(device, left, top, missing);
}

} // namespace

void printStoreyPlan(TextDevice& device, const ProjectData& project, int storey, const std::string& date,
                     const PlanNumberFormat& format) {
    const StoreyPlan plan = readStoreyPlan(project, storey);
    const auto layout = [&plan](bool landscape) {
        return drawStoreyPlan(plan, drawingArea(pageOf(landscape)), 0, kTickGap);
    };
    const PlanDrawing portrait = layout(false), landscape = layout(true);
    const bool turned = landscape.scale.unitsPerMetre > portrait.scale.unitsPerMetre;
    device.setLandscape(turned);
    const PlanDrawing& drawing = turned ? landscape : portrait;
    const PageSize page = pageOf(turned);
    titleBlock(device, project, storey, date, page);
    axes(device, drawing, format);
    walls(device, drawing);
    legend(device, plan, format, page);
}

void printBuildingPlans(TextDevice& device, const ProjectData& project, const std::string& date,
                        const PlanNumberFormat& format) {
    for (int storey = 1; storey <= project.storeyCount(); ++storey) {
        if (storey > 1) device.newPage();
        printStoreyPlan(device, project, storey, date, format);
    }
    device.endDocument();
}

} // namespace calvex::printouts
