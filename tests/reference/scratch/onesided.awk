# One-sided gas compressibility when z at p+5 is refused (Ppr > 20.5):
# gas gravity 0.7 wet, T 200 F, p 13616 psia.
BEGIN { gg=0.7; T=200; p=13616
  ppc=706-51.7*gg-11.1*gg*gg; printf "20.5*Ppc = %.4f, p+5 = %.1f\n", 20.5*ppc, p+5
  z=zf(p); zl=zf(p-5); cg=1/p-(1/z)*(z-zl)/5
  printf "z=%.6f z(p-5)=%.6f cg=%.4f microsips bg=%.5f\n", z, zl, cg*1e6, 5.035*z*(T+460)/p }
function zf(pp,   tpc,t,A,B,C,D,y,i,f,fp,yn,ppr) {
  tpc=187+330*gg-71.5*gg*gg; t=tpc/(T+460); ppr=pp/ppc
  A=0.06125*t*exp(-1.2*(1-t)^2); B=14.76*t-9.76*t^2+4.58*t^3; C=90.7*t-242.2*t^2+42.4*t^3; D=2.18+2.82*t
  y=0.001
  for (i=1;i<=100;i++) { f=-A*ppr+(y+y^2+y^3-y^4)/(1-y)^3-B*y^2+C*y^D
    fp=(1+4*y+4*y^2-4*y^3+y^4)/(1-y)^4-2*B*y+C*D*y^(D-1); yn=y-f/fp
    if ((yn-y)^2 < 1e-10) break; y=yn }
  return A*ppr/y }
