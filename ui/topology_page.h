// The Topology page of the Lab Navigator for the loaded topology: a picture of its diagram and a
// table of its routers, their interfaces and what each is cabled to, with links that open the
// consoles. It takes the place of the shipped page, which describes the default topology only.
#pragma once

#include <QImage>
#include <QString>

namespace zorva {
class Simulation;
}

namespace zorva::ui {

inline constexpr const char* kTopologyPictureName = "loaded_topology.png";

// The page's HTML; the picture is referred to as kTopologyPictureName beside the page.
QString topology_page_html(Simulation& sim);
// The diagram of the loaded topology as a picture, at most `width` pixels wide.
QImage topology_picture(Simulation& sim, int width = 760);

}  // namespace zorva::ui
