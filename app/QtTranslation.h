#pragma once

class QCoreApplication;

namespace pintu {

// Qt's own words in Chinese: standard buttons ("确定", "取消") and the
// command line's "用法" and mistakes. Lives as long as the application.
void installQtChineseTexts(QCoreApplication& application);

} // namespace pintu
