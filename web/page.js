// The program's settings: the canvas it draws on (GLUT's window), and the address fragment
// (#t=MS, #t=MS&paused) as its one argument.
var Module = {
    canvas: document.getElementById('canvas'),
    arguments: [location.hash],
    print: function (text) {
        console.log(text);
    },
    printErr: function (text) {
        console.error(text);
    },
};
