#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class Form;

// The program's collection of loaded forms, in load order. "Every note window"
// means every form here named "frmNote", in this order. It also knows how to
// make the single-instance forms (frmOptions, frmAbout, ...) on first use.
class FormRegistry : public QObject
{
    Q_OBJECT
public:
    using Factory = std::function<Form *()>;

    QList<Form *> all() const { return m_forms; }
    QList<Form *> formsNamed(const QString &name) const;
    Form *find(const QString &name) const; // first loaded form of that name

    // The default instance: the loaded form of that name, or a new one made by
    // the registered factory and loaded. Null when no factory is registered.
    Form *defaultInstance(const QString &name);
    void setFactory(const QString &name, Factory factory);
    bool hasFactory(const QString &name) const { return m_factories.contains(name); }

    // Unloads every loaded form, one after the other, in load order.
    void unloadAll();
    // The program ends: every loaded form's unload handler runs, in load order (the
    // splash, which writes the session, before any session note), and the list empties.
    // Windows are not hidden or deleted one by one: they go when the program ends, next.
    void endProgram();

    // Called by Form.
    void added(Form *form);
    void removed(Form *form);

signals:
    void formLoaded(Form *form);
    void formUnloaded(Form *form);
    // The last loaded form has gone: the program ends.
    void lastFormUnloaded();

private:
    QList<Form *> m_forms;
    QHash<QString, Factory> m_factories;
};
