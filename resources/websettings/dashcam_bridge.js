// Runs before the card's settings page: window.Dashcam is there from the
// start, as on the camera, with the page's own names (some of them not valid
// identifiers: Dashcam["setdate:use"]("1")) and plain aliases. Calls made
// before the web channel is up wait and go out in order.
(function () {
    'use strict';
    // Page name: [method of the program's object, number of string arguments].
    var methods = {
        'log': ['log', 1],
        'getCfg': ['getCfg', 1],
        'popup': ['popup', 1],
        'userNoti': ['userNoti', 1],
        'setdate:use': ['setDateUse', 1],
        'setdate': ['setDate', 1],
        'setdate:ampm': ['setDateAmPm', 1],
        'setdate:min': ['setDateMin', 1],
        'setdate:hour': ['setDateHour', 1],
        'format': ['format', 0],
        'reset': ['reset', 0],
        'adasreset': ['adasreset', 0],
        'docLoadComplete': ['docLoadComplete', 0],
        'languageSetComplete': ['languageSetComplete', 0],
        'clickedList': ['clickedList', 0]
    };
    var target = null;
    var waiting = [];
    var dashcam = {};

    function deliver(method, args) {
        target[method].apply(target, args);
    }

    Object.keys(methods).forEach(function (name) {
        var method = methods[name][0];
        var arity = methods[name][1];
        var call = function () {
            var args = [];
            for (var i = 0; i < arity; ++i)
                args.push(i < arguments.length && arguments[i] !== undefined ?
                          String(arguments[i]) : '');
            if (target)
                deliver(method, args);
            else
                waiting.push([method, args]);
        };
        dashcam[name] = call;
        dashcam[method] = call;
    });
    Object.freeze(dashcam);
    Object.defineProperty(window, 'Dashcam', {value: dashcam, writable: false,
                                              configurable: false, enumerable: true});

    function connect() {
        if (typeof qt === 'undefined' || !qt.webChannelTransport ||
            typeof QWebChannel === 'undefined') {
            setTimeout(connect, 0);
            return;
        }
        new QWebChannel(qt.webChannelTransport, function (channel) {
            target = channel.objects.Dashcam;
            var queued = waiting;
            waiting = [];
            queued.forEach(function (entry) { deliver(entry[0], entry[1]); });
        });
    }
    connect();
})();
