.pragma library

// The brands' web addresses, in one place.
var sites = {
    "Vemo": "https://www.vemo.example.com/",
    "Hollin": "https://www.hollin.example.com/"
}

function site(company) {
    return sites[company] !== undefined ? sites[company] : sites["Hollin"]
}

// Base addresses of the firmware information service: the test service (ten
// clicks on the title bar's icon), the maker's and the sister brand's.
var firmwareServices = {
    "test": "https://fw-test.vemo.example.com",
    "Vemo": "https://fw.vemo.example.com",
    "Hollin": "https://fw.hollin.example.com"
}

function firmwareService(isTestServer, company) {
    if (isTestServer)
        return firmwareServices["test"]
    return company === "Vemo" ? firmwareServices["Vemo"] : firmwareServices["Hollin"]
}
