import QtQuick 2.15

// The first-run guide in the maker's colours.
GuidePage {
    maker: true
}
