#include "shell/FormRegistry.h"

#include "shell/Form.h"

QList<Form *> FormRegistry::formsNamed(const QString &name) const
{
    QList<Form *> named;
    for (Form *form : m_forms)
        if (form->formName() == name)
            named.append(form);
    return named;
}

Form *FormRegistry::find(const QString &name) const
{
    for (Form *form : m_forms)
        if (form->formName() == name)
            return form;
    return nullptr;
}

Form *FormRegistry::defaultInstance(const QString &name)
{
    if (Form *loaded = find(name))
        return loaded;
    const auto factory = m_factories.constFind(name);
    if (factory == m_factories.constEnd())
        return nullptr;
    Form *form = (*factory)();
    form->Load();
    return form;
}

void FormRegistry::setFactory(const QString &name, Factory factory)
{
    m_factories.insert(name, std::move(factory));
}

void FormRegistry::unloadAll()
{
    // Walk a snapshot: unload handlers may load or unload other forms.
    const QList<Form *> snapshot = m_forms;
    for (Form *form : snapshot)
        if (m_forms.contains(form))
            form->Unload();
}

void FormRegistry::endProgram()
{
    const QList<Form *> snapshot = m_forms;
    for (Form *form : snapshot)
        if (m_forms.contains(form))
            form->UnloadAtExit();
}

void FormRegistry::added(Form *form)
{
    m_forms.append(form);
    emit formLoaded(form);
}

void FormRegistry::removed(Form *form)
{
    if (!m_forms.removeOne(form))
        return;
    emit formUnloaded(form);
    if (m_forms.isEmpty())
        emit lastFormUnloaded();
}
