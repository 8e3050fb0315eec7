#include "morvane_doc.h"

#include <QFileInfo>

QString CMorvaneDoc::Title() const {
    return m_strPath.isEmpty() ? QStringLiteral("Morvan") : QFileInfo(m_strPath).fileName();
}
