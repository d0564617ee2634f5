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

// What "About Us" shows of each brand: its legal name and its pages on the
// social networks, in the order of the icons.
var about = {
    "Vemo": {
        legalName: "Vemo Example Technology Co., Ltd.",
        networks: ["https://facebook.example.com/vemo", "https://youtube.example.com/vemo",
                   "https://linkedin.example.com/company/vemo", "https://twitter.example.com/vemo",
                   "https://instagram.example.com/vemo"]
    },
    "Hollin": {
        legalName: "Hollin Example Peripherals Inc.",
        networks: ["https://facebook.example.com/hollin", "https://youtube.example.com/hollin",
                   "https://linkedin.example.com/company/hollin", "https://twitter.example.com/hollin",
                   "https://instagram.example.com/hollin"]
    }
}

function aboutOf(company) {
    return about[company] !== undefined ? about[company] : about["Hollin"]
}

// The web pages of the Support page, by its row: the user manual (the maker)
// or the brand's web site (the sister brand), the knowledge base (the sister
// brand; the maker has its FAQ page instead) and the service contact page.
var supportPages = {
    "Vemo": { 1: "https://www.vemo.example.com/support/manuals/qv5830",
              3: "https://eservice.vemo.example.com/" },
    "Hollin": { 1: sites["Hollin"],
                2: "https://kb.hollin.example.com/",
                3: "https://www.hollin.example.com/support/contact" }
}

// The page of a Support row, or "" when the row opens none.
function supportPage(company, row) {
    var pages = company === "Vemo" ? supportPages["Vemo"] : supportPages["Hollin"]
    return pages[row] !== undefined ? pages[row] : ""
}
