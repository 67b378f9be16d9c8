#pragma once

#include <QIcon>

namespace numora::art {

// The pictures of the file chooser's toolbar buttons, 16 by 16 pixels.
enum class ChooserTool { Ok, Cancel, TreeAndList, TreeOnly, ListOnly, DesktopFile };

QIcon chooserToolIcon(ChooserTool tool);

}  // namespace numora::art
