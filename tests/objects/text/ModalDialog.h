#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

// Acts on the next modal dialog of type D once it shows: tests fill it in and press its buttons.
// `seen` tells whether such a dialog showed at all.
template<class D> void whenDialogShows(std::function<void(D &)> act, bool *seen = nullptr)
{
    QTimer::singleShot(0, [act, seen] {
        auto *dialog = dynamic_cast<D *>(QApplication::activeModalWidget());
        if (seen)
            *seen = dialog != nullptr;
        if (dialog)
            act(*dialog);
        else if (auto *other = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            other->reject();
    });
}
