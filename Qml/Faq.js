.pragma library

// The questions and answers of the FAQ page and how a search picks them.
// The texts speak of the first model; the connected model's name takes its
// place wherever a text is shown or searched.

var placeholder = "QV5830"

// Marked for translation here, translated when the page shows them.
var entries = [
    { title: QT_TRANSLATE_NOOP("Faq", "Q1. What kind of computers support QV5830?"), answer: QT_TRANSLATE_NOOP("Faq", "Any computer whose USB-C port carries DisplayPort Alt Mode video:\r\n-Windows 10 and Windows 11 laptops and desktops\r\n-Mac computers with USB-C or Thunderbolt 3 and 4 ports, on macOS 11 or later\r\n-Chromebooks and Linux computers whose USB-C port outputs video\r\nA USB-C port that carries data only gives keyboard and mouse, but no picture on the display.") },
    { title: QT_TRANSLATE_NOOP("Faq", "Q2. What kind of Smartphone / Tablet support QV5830?"), answer: QT_TRANSLATE_NOOP("Faq", "Smartphones and tablets whose USB-C port outputs DisplayPort Alt Mode video:\r\n-Tablets on iPadOS with a USB-C port\r\n-Android smartphones and tablets that offer a desktop or screen mirroring mode over USB-C\r\nDevices without video output over USB-C can still use the keyboard and mouse.") },
    { title: QT_TRANSLATE_NOOP("Faq", "Q3. How much power does QV5830 supply on Port 2?"), answer: QT_TRANSLATE_NOOP("Faq", "Port 2 supplies 5V at up to 1.5A, 7.5W, to the connected device.\r\nThis keeps a smartphone or tablet charged while it is in use, but it does not charge a laptop.\r\nConnect a laptop that needs charging to Port 1.") },
    { title: QT_TRANSLATE_NOOP("Faq", "Q4. Is there any USB-PD function supported by QV5830?"), answer: QT_TRANSLATE_NOOP("Faq", "Yes, Port 1 supports USB Power Delivery:\r\n-Connect a USB-C PD power adapter to the USB-C power port\r\n-The laptop on Port 1 then charges at 5V, 9V, 15V or 20V\r\nAn adapter over 65W is recommended; it is not supplied in the package.") },
    { title: QT_TRANSLATE_NOOP("Faq", "Q5. Does QV5830 support active / passive video converter?"), answer: QT_TRANSLATE_NOOP("Faq", "The DisplayPort output works with active video converters only:\r\n-Active DisplayPort to HDMI, DVI or VGA adapters convert the signal and work\r\n-Passive adapters need a dual-mode output, which this port does not provide, and show no picture\r\nWhere the display allows, connect it with a DisplayPort cable.") },
    { title: QT_TRANSLATE_NOOP("Faq", "Q6. How to change 2Lane DP to 4Lane DP support on QV5830?"), answer: QT_TRANSLATE_NOOP("Faq", "Long press port selection button for 3 sec. and wait for LED flash:\r\n-2 Lane mode -> Port1 & Port 2 LED flash 1 time\r\n-4 Lane mode -> Port1 & Port 2 LED flash 2 times.") },
    { title: QT_TRANSLATE_NOOP("Faq", "Q7. Does it support Nintendo Switch?"), answer: QT_TRANSLATE_NOOP("Faq", "No, it does not support Nintendo Switch.") }
]

// The text with the connected model's name in place of the first model's;
// without a model name the text stays as written.
function named(text, model) {
    return model ? text.split(placeholder).join(model) : text
}

// The answer is searched with the keywords taken as a regular expression,
// but not with the engine's backtracking matcher: six "(.*)" groups before a
// character that never matches take it minutes. The expression is compiled
// here into a small automaton that is run over the text once, every state
// at a time, so a search costs at most text length x expression size. It
// knows characters, ".", classes ("[a-z]", "[^0-9]"), the escapes \d \w \s
// and their opposites, "^", "$", groups, "|", and the repetitions "*", "+",
// "?" and "{n,m}"; case is ignored rather than lower-cased, because
// lower-casing would turn \D, \S or \W into their opposites. An expression it
// does not know (back-references, look-arounds) or that is no valid
// expression at all ("(", "[", a trailing backslash) is looked for as plain
// text.

// More states than this (a long "{n,m}" repetition) is looked for as plain text.
var maxStates = 600

function sameLetter(test) {
    return function (c, lower, upper) { return test(c) || test(lower) || test(upper) }
}

function escapeTest(e) {
    switch (e) {
    case "d": return function (c) { return c >= "0" && c <= "9" }
    case "D": return function (c) { return !(c >= "0" && c <= "9") }
    case "w": return function (c) { return /\w/.test(c) }
    case "W": return function (c) { return !/\w/.test(c) }
    case "s": return function (c) { return /\s/.test(c) }
    case "S": return function (c) { return !/\s/.test(c) }
    case "n": return function (c) { return c === "\n" }
    case "r": return function (c) { return c === "\r" }
    case "t": return function (c) { return c === "\t" }
    }
    // Letters and digits escaped mean something this matcher does not know.
    if (/[A-Za-z0-9]/.test(e))
        return null
    return function (c) { return c === e }
}

// The expression as a tree: {alt: [seq...]}, a seq is a list of items
// {atom, min, max}; an atom is {test}, {group}, {bol} or {eol}. Throws
// "unsupported" for what it does not know.
function parseExpression(text) {
    var at = 0
    function unsupported() { throw "unsupported" }
    // The class a backslash escape stands for (the backslash already read).
    function escaped() {
        if (at >= text.length)
            unsupported()
        var t = escapeTest(text[at++])
        if (!t)
            unsupported()
        return t
    }
    function alternatives() {
        var alt = [sequence()]
        while (text[at] === "|") {
            ++at
            alt.push(sequence())
        }
        return { alt: alt }
    }
    function classAtom() {
        var negate = text[at] === "^"
        if (negate)
            ++at
        var tests = []
        var first = true
        while (at < text.length && (text[at] !== "]" || first)) {
            first = false
            var c = text[at++]
            if (c === "\\") {
                tests.push(escaped())
                continue
            }
            if (text[at] === "-" && at + 1 < text.length && text[at + 1] !== "]") {
                var to = text[at + 1]
                if (to === "\\")
                    unsupported()
                at += 2
                tests.push((function (lo, hi) { return function (x) { return x >= lo && x <= hi } })(c, to))
            } else {
                tests.push((function (one) { return function (x) { return x === one } })(c))
            }
        }
        if (text[at] !== "]")
            unsupported()
        ++at
        var inClass = sameLetter(function (x) {
            for (var i = 0; i < tests.length; ++i)
                if (tests[i](x))
                    return true
            return false
        })
        return { test: negate ? function (x) { return !inClass(x) } : inClass }
    }
    function atom() {
        var c = text[at++]
        if (c === "(") {
            if (text[at] === "?") {
                if (text[at + 1] !== ":")
                    unsupported()
                at += 2
            }
            var group = alternatives()
            if (text[at] !== ")")
                unsupported()
            ++at
            return { group: group }
        }
        if (c === "[")
            return classAtom()
        if (c === ".")
            return { test: function (x) { return x !== "\n" && x !== "\r" } }
        if (c === "^")
            return { bol: true }
        if (c === "$")
            return { eol: true }
        if (c === "\\")
            return { test: sameLetter(escaped()) }
        if (c === ")" || c === "*" || c === "+" || c === "?")
            unsupported()
        var lower = c.toLowerCase()
        return { test: function (x, xLower) { return xLower === lower } }
    }
    function sequence() {
        var items = []
        while (at < text.length && text[at] !== "|" && text[at] !== ")") {
            var item = { atom: atom(), min: 1, max: 1 }
            var q = text[at]
            var counted = q === "{" ? /^\{(\d+)(,(\d*))?\}/.exec(text.substring(at)) : null
            if (q === "*" || q === "+" || q === "?") {
                item.min = q === "+" ? 1 : 0
                item.max = q === "?" ? 1 : -1
                ++at
            } else if (counted) {
                item.min = Number(counted[1])
                item.max = counted[2] === undefined ? item.min : counted[3] === "" ? -1 : Number(counted[3])
                if (item.min > maxStates || item.max > maxStates || (item.max >= 0 && item.max < item.min))
                    unsupported()
                at += counted[0].length
            }
            if (item.min !== 1 || item.max !== 1) {
                if (text[at] === "?")
                    ++at // lazy or greedy: the same answer to "is there a match"
                if (text[at] === "*" || text[at] === "+" || text[at] === "?" || text[at] === "{")
                    unsupported()
            }
            items.push(item)
        }
        return items
    }
    var tree = alternatives()
    if (at !== text.length)
        unsupported()
    return tree
}

// The tree as a program of states: {test, next}, {split: [a, b]},
// {jump}, {bol}, {eol} or {done}. Throws "unsupported" when too large.
function compileExpression(tree) {
    var program = []
    function emit(state) {
        if (program.length >= maxStates)
            throw "unsupported"
        program.push(state)
        return program.length - 1
    }
    function one(atom) {
        if (atom.group)
            alternatives(atom.group)
        else if (atom.bol)
            emit({ bol: true })
        else if (atom.eol)
            emit({ eol: true })
        else
            emit({ test: atom.test })
    }
    function item(it) {
        for (var i = 0; i < it.min; ++i)
            one(it.atom)
        if (it.max < 0) {
            var loop = emit({ split: [0, 0] })
            program[loop].split[0] = program.length
            one(it.atom)
            emit({ jump: loop })
            program[loop].split[1] = program.length
        } else {
            var skips = []
            for (var j = it.min; j < it.max; ++j) {
                var split = emit({ split: [0, 0] })
                program[split].split[0] = program.length
                skips.push(split)
                one(it.atom)
            }
            for (var k = 0; k < skips.length; ++k)
                program[skips[k]].split[1] = program.length
        }
    }
    function alternatives(node) {
        var jumps = []
        for (var i = 0; i < node.alt.length; ++i) {
            var split = -1
            if (i < node.alt.length - 1) {
                split = emit({ split: [0, 0] })
                program[split].split[0] = program.length
            }
            var seq = node.alt[i]
            for (var j = 0; j < seq.length; ++j)
                item(seq[j])
            if (split >= 0) {
                jumps.push(emit({ jump: 0 }))
                program[split].split[1] = program.length
            }
        }
        for (var k = 0; k < jumps.length; ++k)
            program[jumps[k]].jump = program.length
    }
    alternatives(tree)
    emit({ done: true })
    return program
}

// Whether the program matches anywhere in `text`: all live states advance
// together one character at a time, each state at most once per position.
function runsOver(program, text) {
    var seen = []
    var stamp = 0
    function add(list, pc, at) {
        if (seen[pc] === stamp)
            return false
        seen[pc] = stamp
        var state = program[pc]
        if (state.done)
            return true
        if (state.jump !== undefined)
            return add(list, state.jump, at)
        if (state.split)
            return add(list, state.split[0], at) || add(list, state.split[1], at)
        if (state.bol)
            return at === 0 && add(list, pc + 1, at)
        if (state.eol)
            return at === text.length && add(list, pc + 1, at)
        list.push(pc)
        return false
    }
    // A match may start anywhere: the first state joins at every position.
    var lowerText = text.toLowerCase()
    var upperText = text.toUpperCase()
    var current = []
    ++stamp
    if (add(current, 0, 0))
        return true
    for (var at = 0; at < text.length; ++at) {
        var c = text[at]
        var lower = lowerText.length === text.length ? lowerText[at] : c.toLowerCase()
        var upper = upperText.length === text.length ? upperText[at] : c.toUpperCase()
        var next = []
        ++stamp
        for (var s = 0; s < current.length; ++s) {
            var pc = current[s]
            if (program[pc].test(c, lower, upper) && add(next, pc + 1, at + 1))
                return true
        }
        if (add(next, 0, at + 1))
            return true
        current = next
    }
    return false
}

function answerMatches(answer, keywords) {
    var program
    try {
        program = compileExpression(parseExpression(keywords))
    } catch (notKnown) {
        return answer.toLowerCase().indexOf(keywords.toLowerCase()) !== -1
    }
    return runsOver(program, answer)
}

// Whether one entry ({title, answer}, as shown) answers the search: the
// title holds the keywords as plain text, or the answer matches them. An
// empty search matches every entry.
function matches(entry, keywords, model) {
    var title = named(entry.title, model).toLowerCase()
    return title.indexOf(keywords.toLowerCase()) !== -1 || answerMatches(named(entry.answer, model), keywords)
}
