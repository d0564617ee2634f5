import QtQuick 2.15

// The footer strip: kept for the layout, not shown.
Rectangle {
    color: main.bgcolor === "" ? "transparent" : main.bgcolor
}
