import QtQuick 2.15

QtObject {
    default property list<QtObject> entries
}
