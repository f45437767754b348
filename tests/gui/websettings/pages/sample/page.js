// A settings page written for the program's tests: the functions a camera's
// own page offers the program, each recording how it was called.
var calls = [];
var record = '';
// What get_cfg() answers instead of the record, when set.
var nextCfg;

var model = {};
Object.defineProperty(model, 'name', {
    get: function () { calls.push(['model.name']); return 'SAMPLE-CAM'; }
});
Object.defineProperty(model, 'cfgSize', {
    get: function () { calls.push(['model.cfgSize']); return 512; }
});

function show(id, text) {
    var cell = document.getElementById(id);
    if (cell)
        cell.textContent = text;
}

function set_cfg(hex) {
    calls.push(['set_cfg', hex]);
    record = hex;
    show('record', hex.length / 2 + ' bytes: ' + hex.substring(0, 48) + '…');
}
function get_cfg() {
    calls.push(['get_cfg']);
    return nextCfg !== undefined ? nextCfg : record;
}
function setParamLanguage(list) {
    calls.push(['setParamLanguage', list.join('|'), String(list.length)]);
    show('languages', list.join(', '));
}
function set_language(code) {
    calls.push(['set_language', code]);
    show('language', code);
}
function setTimeDate(date) { calls.push(['setTimeDate', date]); show('clock', date); }
function setTimeHour(hour) { calls.push(['setTimeHour', hour]); }
function setTimeMin(minute) { calls.push(['setTimeMin', minute]); }
function generateSetting(flag) {
    calls.push(['generateSetting', String(flag)]);
    show('tabsShown', String(flag));
}
function update_ok(index, value) { calls.push(['update_ok', String(index), value]); }
function update_cancel(index) { calls.push(['update_cancel', String(index)]); }

function pageLoaded() {
    // The camera's pages announce themselves; the program has started
    // already, so this changes nothing.
    Dashcam.docLoadComplete();
}

// Every call the page can make, as a camera page makes them.
function exerciseDashcam(year) {
    Dashcam.log('exercising');
    Dashcam.getCfg('');
    Dashcam.popup('');
    Dashcam['setdate:use']('1');
    Dashcam.setdate(year + '/05/04');
    Dashcam['setdate:ampm']('AM');
    Dashcam['setdate:hour']('07');
    Dashcam['setdate:min']('08');
    Dashcam.format();
    Dashcam.reset();
    Dashcam.adasreset();
    Dashcam.clickedList();
}
