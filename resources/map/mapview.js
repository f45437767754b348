'use strict';

// The map of Torvaview: the route of a recording or a trip and the car's
// position. The viewer calls initialize(), MapMoveToAuto(), removePolyLine()
// and addPolyLine() or torvaAddSpeedRoute(), marks driving events with
// torvaSetEventMarkers(), and sets the page up with torvaSetTileLayer() and
// torvaSetNotice(); calls that come before initialize() wait for it.

const kAttribution = '\u00a9 OpenStreetMap contributors';
// Zoom for the first position when no route has set one.
const kStreetZoom = 16;
const kMaxRouteZoom = 17;

const kCarIcon =
    '<svg xmlns="http://www.w3.org/2000/svg" width="28" height="28" viewBox="0 0 28 28">' +
    '<circle cx="14" cy="14" r="12.5" fill="#1a73e8" stroke="#fff" stroke-width="2.5"/>' +
    '<path fill="#fff" d="M8 19.5v-4l1.6-4.3c.4-1 1-1.5 2-1.5h4.8c1 0 1.6.5 2 1.5l1.6 4.3v4' +
    'h-2.2v-1.5h-7.6v1.5zm2.3-5.5h7.4l-1.1-3h-5.2z"/>' +
    '<circle cx="10.6" cy="16" r="1" fill="#1a73e8"/>' +
    '<circle cx="17.4" cy="16" r="1" fill="#1a73e8"/>' +
    '</svg>';

let map = null;
let tiles = null;
let tileUrl = null;
// A red line, or a group of lines coloured by speed with its legend.
let route = null;
let legend = null;
let eventMarkers = null;
let car = null;
// The route is fitted into view once the map has a size to fit it into.
let fitPending = false;
let tileErrors = 0;
let tilesLoaded = 0;
const waiting = [];

function whenReady(call) {
    if (map) {
        call();
    } else {
        waiting.push(call);
    }
}

function notice() {
    return document.getElementById('notice');
}

function hasSize() {
    const size = map.getSize();
    return size.x > 0 && size.y > 0;
}

function fitRoute() {
    fitPending = route !== null && !hasSize();
    if (route === null || fitPending) {
        return;
    }
    map.fitBounds(route.getBounds(), {maxZoom: kMaxRouteZoom, padding: [16, 16], animate: false});
}

function initialize() {
    if (map) {
        return;
    }
    map = L.map('map', {center: [0, 0], zoom: 2, worldCopyJump: true});
    map.attributionControl.setPrefix('Leaflet');
    L.control.scale().addTo(map);
    // A map that had no size when the route or the car came (hidden under
    // the cover) fits the route when it gets one; it stays centred on the car.
    map.on('resize', () => {
        if (fitPending) {
            fitRoute();
        }
        if (car) {
            map.panTo(car.getLatLng(), {animate: false});
        }
    });
    waiting.splice(0).forEach((call) => call());
}

function torvaSetTileLayer(urlTemplate) {
    whenReady(() => {
        if (tiles) {
            tiles.remove();
        }
        tileUrl = urlTemplate;
        tiles = L.tileLayer(urlTemplate, {maxZoom: 19, attribution: kAttribution});
        tiles.on('tileerror', () => {
            ++tileErrors;
            notice().hidden = false;
        });
        tiles.on('tileload', () => {
            ++tilesLoaded;
            notice().hidden = true;
        });
        tiles.addTo(map);
    });
}

function torvaSetNotice(text) {
    notice().textContent = text;
}

// Points "lng,lat|lng,lat…"; anything that is no position on Earth is left out.
function parsePoints(points) {
    return points.split('|')
        .map((point) => point.split(',').map(Number))
        .filter(([lng, lat]) => Math.abs(lat) <= 90 && Math.abs(lng) <= 180)
        .map(([lng, lat]) => L.latLng(lat, lng));
}

function clearRoute() {
    if (route) {
        route.remove();
        route = null;
    }
    if (legend) {
        legend.remove();
        legend = null;
    }
}

function addPolyLine(points, colour, width, opacity) {
    whenReady(() => {
        clearRoute();
        const latLngs = parsePoints(points);
        route = L.polyline(latLngs, {color: colour, weight: width, opacity: opacity,
                                     interactive: false});
        route.addTo(map);
        if (latLngs.length > 0) {
            fitRoute();
        }
    });
}

// {segments: [{colour, points}], legend: [{colour, label}]}: lines in the
// colours of their speed, and the colours' meaning in the corner.
function torvaAddSpeedRoute(speedRoute) {
    whenReady(() => {
        clearRoute();
        const lines = speedRoute.segments.map((segment) => L.polyline(
            parsePoints(segment.points),
            {color: segment.colour, weight: 5, opacity: 0.85, interactive: false}));
        route = L.featureGroup(lines).addTo(map);
        legend = L.control({position: 'bottomright'});
        legend.onAdd = () => {
            const box = L.DomUtil.create('div', 'torva-legend');
            speedRoute.legend.forEach((entry) => {
                const row = L.DomUtil.create('div', '', box);
                const swatch = L.DomUtil.create('span', 'torva-swatch', row);
                swatch.style.background = entry.colour;
                row.appendChild(document.createTextNode(entry.label));
            });
            return box;
        };
        legend.addTo(map);
        if (lines.length > 0) {
            fitRoute();
        }
    });
}

function removePolyLine() {
    whenReady(() => {
        clearRoute();
        fitPending = false;
    });
}

const kEventColours = {braking: '#d62728', acceleration: '#f07f13', impact: '#7b2cbf'};

// [{lat, lng, kind, title}]: a dot where each driving event happened, its
// title as tooltip; an empty list removes them.
function torvaSetEventMarkers(markers) {
    whenReady(() => {
        if (eventMarkers) {
            eventMarkers.remove();
        }
        eventMarkers = L.layerGroup(markers.map((marker) => L.circleMarker(
            [marker.lat, marker.lng],
            {radius: 7, color: '#fff', weight: 2, fillOpacity: 0.95,
             fillColor: kEventColours[marker.kind] || '#d62728'})
            .bindTooltip(marker.title))).addTo(map);
    });
}

// Moves the car there and the map with it; a zoom of -1 keeps the zoom,
// unless nothing has zoomed in yet.
function MapMoveToAuto(lng, lat, zoom) {
    whenReady(() => {
        const at = L.latLng(lat, lng);
        if (car) {
            car.setLatLng(at);
        } else {
            car = L.marker(at, {
                icon: L.divIcon({className: 'torva-car', html: kCarIcon, iconSize: [28, 28]}),
                interactive: false,
                keyboard: false,
            }).addTo(map);
        }
        const current = route === null ? Math.max(map.getZoom(), kStreetZoom) : map.getZoom();
        map.setView(at, zoom >= 0 ? zoom : current);
    });
}

// For tests and diagnostics: what the page shows, as JSON.
function torvaMapState() {
    const latLng = (p) => [p.lat, p.lng];
    return JSON.stringify({
        ready: map !== null,
        waiting: waiting.length,
        route: route && route.getLatLngs ? route.getLatLngs().map(latLng) : [],
        routeStyle: route && route.getLatLngs ? {color: route.options.color,
                                                 weight: route.options.weight,
                                                 opacity: route.options.opacity} : null,
        speedSegments: route && !route.getLatLngs ? route.getLayers().map((line) => ({
            color: line.options.color, points: line.getLatLngs().length})) : [],
        legend: legend ? Array.from(legend.getContainer().children, (row) => row.textContent) : [],
        eventMarkers: eventMarkers ? eventMarkers.getLayers().map(
            (marker) => latLng(marker.getLatLng())) : [],
        car: car ? latLng(car.getLatLng()) : null,
        center: map ? latLng(map.getCenter()) : null,
        zoom: map ? map.getZoom() : null,
        size: map ? [map.getSize().x, map.getSize().y] : null,
        tileUrl: tileUrl,
        tileErrors: tileErrors,
        tilesLoaded: tilesLoaded,
        noticeShown: !notice().hidden,
        noticeText: notice().textContent,
    });
}
