// Qt's own Japanese translations, so standard buttons read キャンセル, はい, いいえ.
#pragma once

class QCoreApplication;

namespace platform {

// Loads qtbase_ja.qm from Qt's translations directory into the application, once. Returns false
// when the file is missing (the buttons then stay in English).
bool InstallJapaneseTranslations(QCoreApplication& app);

} // namespace platform
