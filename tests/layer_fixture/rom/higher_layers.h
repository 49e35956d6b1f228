// What the layer check must refuse in rom/: each spelling of a Qt header and
// each way to a higher layer. Read by the check, never compiled.
#include <QString>
#include <QtCore/QString>
#include "qstring.h"
#include <qwidget.h>
#include "editor/editor_view.h"
#include "../ui/form1.h"
// What it must let pass.
#include <queue>
#include "rom/weapon_table.h"
