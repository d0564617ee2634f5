.pragma library

// The brands' web addresses, in one place.
var sites = {
    "Vemo": "https://www.vemo.example.com/",
    "Hollin": "https://www.hollin.example.com/"
}

function site(company) {
    return sites[company] !== undefined ? sites[company] : sites["Hollin"]
}
