// What the layer check must refuse in editor/. Read by the check, never
// compiled.
#include "ui/form1.h"
#include <QtWidgets>
// What it must let pass.
#include "rom/weapon_table.h"
#include "editor/editor_view.h"
