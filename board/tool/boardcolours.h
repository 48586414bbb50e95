#pragma once
#include <QColor>

// The few materials the card is made of. Copper under the solder mask shows
// as a lighter green; bare metal is gold on the connector pins and fingers
// and tin on the solder pads and chip legs.
struct BoardColours {
    static inline const QColor background{0xee, 0xef, 0xec};
    static inline const QColor maskLight{0x27, 0x7d, 0x4b};
    static inline const QColor maskDark{0x1b, 0x62, 0x39};
    static inline const QColor boardEdge{0x12, 0x44, 0x27};
    static inline const QColor copper{0x38, 0x96, 0x5d};
    static inline const QColor viaHole{0x10, 0x38, 0x21};
    static inline const QColor silkscreen{0xf3, 0xf3, 0xec};

    static inline const QColor goldDark{0x9a, 0x76, 0x22};
    static inline const QColor gold{0xd6, 0xad, 0x48};
    static inline const QColor goldLight{0xf6, 0xdf, 0x8e};
    static inline const QColor tinDark{0x86, 0x8a, 0x8e};
    static inline const QColor tin{0xc4, 0xc7, 0xca};
    static inline const QColor tinLight{0xf0, 0xf1, 0xf2};

    static inline const QColor epoxyLight{0x33, 0x33, 0x35};
    static inline const QColor epoxyDark{0x1c, 0x1c, 0x1e};
    static inline const QColor chipMarking{0xcf, 0xcf, 0xcc};
    static inline const QColor blackPlastic{0x1e, 0x1e, 0x20};
    static inline const QColor greyPlastic{0x66, 0x69, 0x6c};
    static inline const QColor jumperCap{0x5c, 0x1a, 0x22};
};
