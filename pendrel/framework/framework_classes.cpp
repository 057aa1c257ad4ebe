// Registers a model instance and the parent of every framework class, once at start-up.
#include "pendrel/framework/gactiontool.h"
#include "pendrel/framework/gadorner.h"
#include "pendrel/framework/gapp.h"
#include "pendrel/framework/gdrawing_tools.h"
#include "pendrel/framework/glist.h"
#include "pendrel/framework/gobjectview.h"
#include "pendrel/framework/gpopupview.h"
#include "pendrel/framework/gscrollview.h"
#include "pendrel/framework/gstring.h"
#include "pendrel/framework/gtextbox.h"
#include "pendrel/framework/gtool.h"
#include "pendrel/framework/gview.h"
#include "pendrel/framework/primitives.h"

void RegisterFrameworkClasses() {
    RegisterClass(gid::kG0, 0, std::make_unique<G0>());
    RegisterClass(gid::kList, gid::kG0, std::make_unique<GList>());
    RegisterClass(gid::kSortedList, gid::kList, std::make_unique<GSortedList>());
    RegisterClass(gid::kString, gid::kG0, std::make_unique<GString>());
    RegisterClass(gid::kAdorner, gid::kG0, std::make_unique<GAdorner>());
    RegisterClass(gid::kEventHandler, gid::kList, std::make_unique<GEventHandler>());
    RegisterClass(gid::kGraphic, gid::kEventHandler, std::make_unique<GGraphic>());
    RegisterClass(gid::kLine, gid::kGraphic, std::make_unique<GLine>());
    RegisterClass(gid::kRectangle, gid::kGraphic, std::make_unique<GRectangle>());
    RegisterClass(gid::kEllipse, gid::kGraphic, std::make_unique<GEllipse>());
    RegisterClass(gid::kIcon, gid::kGraphic, std::make_unique<GIcon>());
    RegisterClass(gid::kImage, gid::kGraphic, std::make_unique<GImage>());
    RegisterClass(gid::kPolyline, gid::kGraphic, std::make_unique<GPolyline>());
    RegisterClass(gid::kPolygon, gid::kPolyline, std::make_unique<GPolygon>());
    RegisterClass(gid::kArrow, gid::kPolyline, std::make_unique<GArrow>());
    RegisterClass(gid::kText, gid::kGraphic, std::make_unique<GText>());
    RegisterClass(gid::kGroup, gid::kGraphic, std::make_unique<GGroup>());
    RegisterClass(gid::kView, gid::kGraphic, std::make_unique<GView>());
    RegisterClass(gid::kTextBox, gid::kView, std::make_unique<GTextBox>());
    RegisterClass(gid::kInputBox, gid::kTextBox, std::make_unique<GInputBox>());
    RegisterClass(gid::kObjectView, gid::kView, std::make_unique<GObjectView>());
    RegisterClass(gid::kTool, gid::kGraphic, std::make_unique<GTool>());
    RegisterClass(gid::kCreateTool, gid::kTool, std::make_unique<GCreateTool>());
    RegisterClass(gid::kActionTool, gid::kTool, std::make_unique<GActionTool>());
    RegisterClass(gid::kMenuButton, gid::kActionTool, std::make_unique<GMenuButton>());
    RegisterClass(gid::kLabeledMenuButton, gid::kMenuButton,
                  std::make_unique<GLabeledMenuButton>());
    RegisterClass(gid::kDualStateMenuButton, gid::kLabeledMenuButton,
                  std::make_unique<GDualStateMenuButton>());
    RegisterClass(gid::kColorTool, gid::kActionTool, std::make_unique<GColorTool>());
    RegisterClass(gid::kPenTool, gid::kTool, std::make_unique<GPenTool>());
    RegisterClass(gid::kBucketTool, gid::kTool, std::make_unique<GBucketTool>());
    RegisterClass(gid::kDrawingTool, gid::kCreateTool, std::make_unique<GDrawingTool>());
    RegisterClass(gid::kPolyDrawingTool, gid::kCreateTool, std::make_unique<GPolyDrawingTool>());
    RegisterClass(gid::kContPolyDrawingTool, gid::kPolyDrawingTool,
                  std::make_unique<GContPolyDrawingTool>());
    RegisterClass(gid::kPaletteView, gid::kView, std::make_unique<GPaletteView>());
    RegisterClass(gid::kScrollView, gid::kView, std::make_unique<GScrollView>());
    RegisterClass(gid::kScrollBar, gid::kView, std::make_unique<gscrollviewScrollBar>());
    RegisterClass(gid::kScrollArrow, gid::kView, std::make_unique<gscrollviewScrollArrow>());
    RegisterClass(gid::kDoc, gid::kEventHandler, std::make_unique<GDoc>());
    // Pop-ups, applications and windows are never stored.
    RegisterClass(gid::kPopupView, gid::kView, nullptr);
    RegisterClass(gid::kActionText, gid::kText, nullptr);
    RegisterClass(gid::kApp, gid::kEventHandler, nullptr);
    RegisterClass(gid::kDrawingApp, gid::kApp, nullptr);
    RegisterClass(gid::kWindow, gid::kView, nullptr);
    RegisterClass(gid::kDevWin, gid::kWindow, nullptr);
    // Streams are never stored; only their ancestry is known.
    RegisterClass(gid::kStream, gid::kG0, nullptr);
    RegisterClass(gid::kStreamMemory, gid::kStream, nullptr);
    RegisterClass(gid::kStreamReadFile, gid::kStream, nullptr);
    RegisterClass(gid::kStreamWriteFile, gid::kStreamReadFile, nullptr);
    RegisterClass(gid::kSocket, gid::kStream, nullptr);
    RegisterClass(gid::kSocketUDP, gid::kSocket, nullptr);
    RegisterClass(gid::kSocketTCP, gid::kSocket, nullptr);
}
