// Lies outside the page's folder in the tests: must never run.
var leaked = true;
