// Tool names, kept beside the tool list they name.
#include "view/area_tools.h"

const char* areaToolName(AreaTool tool) {
  switch (tool) {
    case AreaTool::Brush: return "Brush";
    case AreaTool::Rectangle: return "Rectangle";
    case AreaTool::Fill: return "Fill";
    case AreaTool::Line: return "Line";
    case AreaTool::Select: return "Select";
  }
  return "";
}
