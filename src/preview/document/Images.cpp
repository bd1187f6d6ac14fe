#include "preview/document/Images.h"


#include "platform/CodePage1251.h"

namespace tessaly::preview {

namespace {

TImageAlign ImageAlignOf(const std::string& value) {
  const std::string upper = cp1251::UpperCase(value);
  if (upper == "TOP") return TImageAlign::Top;
  if (upper == "MIDDLE" || upper == "ABSMIDDLE") return TImageAlign::Middle;
  if (upper == "LEFT") return TImageAlign::Left;
  if (upper == "RIGHT") return TImageAlign::Right;
  return TImageAlign::Bottom;
}

}  // namespace

TImageObj::TImageObj(TSectionList* document, int pos, const TAttributeList& attributes) : Document(document) {
  Pos = pos;
  bool hSpaceGiven = false;
  for (const auto& attribute : attributes.Items()) {
    switch (attribute.Which) {
      case Attr::SRC: Source = Trim(attribute.Text); break;
      case Attr::ALT: Alt = attribute.Text; break;
      case Attr::ALIGN: ImageAlign = ImageAlignOf(attribute.Text); break;
      case Attr::HEIGHT: SpecHeight = std::max(attribute.Value, 1); break;
      case Attr::WIDTH:
        // A percentage outside 1 to 100 is read as pixels.
        if (attribute.Text.find('%') != std::string::npos && attribute.Value >= 1 && attribute.Value <= 100)
          SpecWidth = TLength::Percent(attribute.Value);
        else SpecWidth = TLength::Pixels(std::max(attribute.Value, 0));
        break;
      case Attr::HSPACE:
        HSpace = LimitedAbs(attribute.Value, 40);
        hSpaceGiven = true;
        break;
      case Attr::VSPACE: VSpace = LimitedAbs(attribute.Value, 40); break;
      case Attr::BORDER: NoBorder = attribute.Value == 0; break;
      case Attr::TRANSP: Transparent = true; break;
      case Attr::ISMAP: IsMap = true; break;
      case Attr::USEMAP: {
        std::string name = Trim(cp1251::UpperCase(attribute.Text));
        if (name.size() > 1 && name[0] == '#') name.erase(0, 1);
        MapName = name;
        UseMap = true;
        break;
      }
      case Attr::ACTIVE: Active = true; break;
      default: break;
    }
  }
  if (!hSpaceGiven && Floating()) HSpace = 5;
}

std::vector<int> ParseCoords(std::string_view coords) {
  std::vector<int> numbers;
  size_t i = 0;
  auto separator = [](char ch) { return ch == ',' || ch == ' '; };
  while (numbers.size() < 301) {
    while (i < coords.size() && separator(coords[i])) ++i;
    const size_t start = i;
    while (i < coords.size() && !separator(coords[i])) ++i;
    if (i == start) break;
    numbers.push_back(StrToIntDef(coords.substr(start, i - start), 0));
  }
  return numbers;
}

bool TAreaRegion::Contains(TPoint p) const {
  switch (Kind) {
    case Shape::Rect:
      return p.X >= Points[0].X && p.X <= Points[1].X && p.Y >= Points[0].Y && p.Y <= Points[1].Y;
    case Shape::Circle: {
      // The ellipse spanning centre - radius .. centre + radius + 1, pixel centres inside.
      const double r = Points[1].X + 0.5, dx = p.X - Points[0].X, dy = p.Y - Points[0].Y;
      return dx * dx + dy * dy <= r * r;
    }
    case Shape::Polygon: {
      // Non-zero winding number at the pixel centre.
      const double x = p.X + 0.5, y = p.Y + 0.5;
      int winding = 0;
      for (size_t i = 0; i < Points.size(); ++i) {
        const TPoint a = Points[i], b = Points[(i + 1) % Points.size()];
        const double side = (b.X - a.X) * (y - a.Y) - (x - a.X) * (b.Y - a.Y);
        if (a.Y <= y && b.Y > y && side > 0) ++winding;
        else if (a.Y > y && b.Y <= y && side < 0) --winding;
      }
      return winding != 0;
    }
  }
  return false;
}

void TMapItem::AddArea(const TAttributeList& attributes) {
  Area area;
  std::string target;
  const std::vector<int> numbers = ParseCoords(attributes.Text(Attr::COORDS));
  for (const auto& attribute : attributes.Items()) {
    if (attribute.Which == Attr::HREF) area.Href = Trim(attribute.Text);
    else if (attribute.Which == Attr::TARGET) target = attribute.Text;
  }
  if (attributes.Has(Attr::NOHREF)) area.Href.clear();
  const std::string shape = cp1251::LowerCase(attributes.Text(Attr::SHAPE).substr(0, 4));
  if (shape == "circ") {
    if (numbers.size() < 3) return;
    area.Region = {TAreaRegion::Shape::Circle, {{numbers[0], numbers[1]}, {numbers[2], 0}}};
  } else if (shape == "poly") {
    if (numbers.size() < 6) return;
    area.Region.Kind = TAreaRegion::Shape::Polygon;
    for (size_t i = 0; i + 1 < numbers.size(); i += 2) area.Region.Points.push_back({numbers[i], numbers[i + 1]});
  } else {
    if (numbers.size() < 4) return;
    area.Region = {TAreaRegion::Shape::Rect, {{numbers[0], numbers[1]}, {numbers[2], numbers[3]}}};
  }
  Areas.push_back(std::move(area));
  Targets.push_back(std::move(target));
}

bool TMapItem::GetURL(TPoint p, std::string& url, std::string& target) const {
  for (size_t i = 0; i < Areas.size(); ++i) {
    if (Areas[i].Region.Contains(p)) {
      url = Areas[i].Href;
      target = Targets[i];
      return true;
    }
  }
  return false;
}

}  // namespace tessaly::preview
