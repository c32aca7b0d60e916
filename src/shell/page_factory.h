// Creates the page of a kind embedded in the main window's page area.
#pragma once

#include "shell/page_tree.h"

class QWidget;
class TPageForm;

TPageForm* CreatePage(PageKind kind, QWidget* host);
