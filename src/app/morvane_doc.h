#pragma once
// The document: it holds no data. A new document only resets its state; storing and loading
// read and write no content.
#include <QObject>
#include <QString>

class CMorvaneDoc : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void OnNewDocument() { m_strPath.clear(); }
    void SetPath(const QString& path) { m_strPath = path; }
    QString Path() const { return m_strPath; }
    // "Morvan" is the name of a new, unsaved document.
    QString Title() const;

private:
    QString m_strPath;
};
