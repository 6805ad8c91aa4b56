#include "editor/PictureKey.h"

#include <QStyleOption>

#include <array>

namespace koru {

QString PictureKey(char16_t kind, int element, const QStyleOption* option, qreal ratio) {
    std::array<char16_t, 32> key{};
    std::size_t length = 0;
    const auto add = [&](quint64 value, int characters) {
        for (int i = 0; i < characters; ++i) key[length++] = static_cast<char16_t>((value >> (16 * i)) & 0xFFFF);
    };
    add(kind, 1);
    add(static_cast<quint64>(element), 1);
    add(static_cast<quint64>(option->rect.width()), 1);
    add(static_cast<quint64>(option->rect.height()), 1);
    add(static_cast<quint64>(option->state.toInt()), 2);
    add(static_cast<quint64>(option->palette.cacheKey()), 4);
    add(static_cast<quint64>(option->direction), 1);
    add(static_cast<quint64>(qRound(ratio * 100)), 1);
    if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option)) {
        add(static_cast<quint64>(frame->lineWidth), 1);
        add(static_cast<quint64>(frame->midLineWidth), 1);
        add(static_cast<quint64>(frame->features.toInt()), 1);
    }
    if (const auto* pages = qstyleoption_cast<const QStyleOptionTabWidgetFrame*>(option)) {
        add(static_cast<quint64>(pages->shape), 1);
        add(static_cast<quint64>(pages->lineWidth), 1);
        add(static_cast<quint64>(pages->midLineWidth), 1);
    }
    if (const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option)) {
        add(static_cast<quint64>(tab->shape), 1);
        add(static_cast<quint64>(tab->position), 1);
        add(static_cast<quint64>(tab->selectedPosition), 1);
        add(static_cast<quint64>(tab->documentMode) | (static_cast<quint64>(tab->features.toInt()) << 1), 1);
    }
    if (const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option)) {
        add(static_cast<quint64>(slider->orientation) | (static_cast<quint64>(slider->upsideDown) << 4), 1);
        add(static_cast<quint32>(slider->subControls.toInt()), 2);
        add(static_cast<quint32>(slider->activeSubControls.toInt()), 2);
        for (const int value : {slider->minimum, slider->maximum, slider->sliderPosition, slider->sliderValue,
                                slider->singleStep, slider->pageStep}) {
            add(static_cast<quint32>(value), 2);
        }
    }
    return QStringLiteral("koru-piece-") + QString::fromUtf16(key.data(), static_cast<qsizetype>(length));
}

}  // namespace koru
