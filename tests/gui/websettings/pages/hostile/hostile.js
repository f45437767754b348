// A page that tries everything a page from a card must not do. port comes
// from config.js, which the test writes: a server there counts connections.
var results = {};

function note(name, value) {
    results[name] = value;
}

function attempt(name, action) {
    try {
        action();
    } catch (error) {
        note(name, 'threw');
    }
}

function attack() {
    var base = 'http://127.0.0.1:' + port;
    attempt('fetch', function () {
        fetch(base + '/fetch').then(function () { note('fetch', 'loaded'); },
                                    function () { note('fetch', 'failed'); });
    });
    attempt('xhr', function () {
        var request = new XMLHttpRequest();
        request.onload = function () { note('xhr', 'loaded'); };
        request.onerror = function () { note('xhr', 'failed'); };
        request.open('GET', base + '/xhr');
        request.send();
    });
    attempt('image', function () {
        var image = new Image();
        image.onload = function () { note('image', 'loaded'); };
        image.onerror = function () { note('image', 'failed'); };
        image.src = base + '/image.png';
    });
    attempt('script', function () {
        var script = document.createElement('script');
        script.src = base + '/script.js';
        document.head.appendChild(script);
    });
    attempt('frame', function () {
        var frame = document.createElement('iframe');
        frame.src = base + '/frame.html';
        document.body.appendChild(frame);
    });
    attempt('beacon', function () { note('beacon', String(navigator.sendBeacon(base + '/beacon', 'x'))); });
    attempt('socket', function () {
        var socket = new WebSocket('ws://127.0.0.1:' + port + '/socket');
        socket.onopen = function () { note('socket', 'open'); };
        socket.onerror = function () { note('socket', 'failed'); };
    });
    attempt('file', function () {
        fetch('file:///etc/passwd').then(function (r) { return r.text(); })
            .then(function () { note('file', 'read'); }, function () { note('file', 'failed'); });
    });
    attempt('fileFrame', function () {
        var frame = document.createElement('iframe');
        frame.src = 'file:///etc/passwd';
        document.body.appendChild(frame);
    });
    attempt('open', function () { note('open', String(window.open(base + '/open') !== null)); });
    attempt('download', function () {
        var link = document.createElement('a');
        link.href = 'data:application/octet-stream,secret';
        link.download = 'secret.bin';
        document.body.appendChild(link);
        link.click();
    });
    attempt('clipboard', function () {
        navigator.clipboard.readText().then(function () { note('clipboard', 'read'); },
                                            function () { note('clipboard', 'refused'); });
    });
    attempt('geolocation', function () {
        navigator.geolocation.getCurrentPosition(function () { note('geolocation', 'granted'); },
                                                 function () { note('geolocation', 'denied'); });
    });
    setTimeout(function () { location = base + '/navigate'; }, 200);
    setTimeout(function () { location = 'outside.html'; }, 300);
    setTimeout(function () { location.reload(); }, 400);
}
