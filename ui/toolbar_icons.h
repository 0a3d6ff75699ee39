// The toolbar and window icons, drawn at run time so that the program ships no image files.
#pragma once

#include <QIcon>

#include "ui/window_arrangement.h"

namespace zorva::ui {

QIcon application_icon();        // a router box with its link lights
QIcon router_icon(int n);        // a router box labelled with its number
QIcon lab_navigator_icon();      // an open book
QIcon current_lab_icon();        // a page with a bookmark
QIcon topology_icon();           // three linked routers
QIcon diagram_icon();            // four routers in a ring, one link down
QIcon tile_icon(Tiling tiling);  // panes side by side or stacked

}  // namespace zorva::ui
