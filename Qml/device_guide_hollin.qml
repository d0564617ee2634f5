import QtQuick 2.15

// The sister brand's first-run guide: the same guide in its colours.
GuidePage {
    maker: false
}
