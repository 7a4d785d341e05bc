# Independent recomputation of case 1 (Standing, GOR mode, p below pb,
# wet gas, Hall, salinity 3) straight from the formulas, in awk.
function log10(x) { return log(x)/log(10) }
BEGIN {
  api=35; gg=0.75; T=180; p=1200; gor=0.8; phi=22; swc=25; s=3; wor=0.5
  go = 141.5/(131.5+api)
  # Standing bubble point from Rsb
  rsb = 1000*gor
  pb = (rsb/gg)^(1/1.205) * 18.2 * 10^(0.00091*T - 0.0125*api) - 25.48
  # Standing Rs at p (p < pb)
  rs = gg * ((p+25.48)/(18.2*10^(0.00091*T-0.0125*api)))^1.205
  # Standing Bo
  F = rs*sqrt(gg/go) + 1.25*T; bo = 0.9759 + 0.00012*F^1.2
  # oil viscosity
  a = 10^(0.43+8.33/api); mod = (0.32+1.8e7/api^4.53)*(360/(T+200))^a
  A = 10^(2.2e-7*rs*rs - 0.00074*rs)
  B = 0.68/10^(8.62e-5*rs) + 0.25/10^(0.0011*rs) + 0.062/10^(0.00374*rs)
  muo = A*mod^B
  # z-factor
  z = zf(p); bg = 5.035*z*(T+460)/p
  zl = zf(p-5); zu = zf(p+5)
  cg = 1/p - (1/z)*(zu-zl)/10
  # gas viscosity
  Ma = 28.9*gg; TR=T+460
  K = (9.4+0.02*Ma)*TR^1.5/(209+19*Ma+TR); X = 3.5+986/TR+0.01*Ma; Y = 2.4-0.2*X
  rho = 0.00752*Ma/bg; mug = 1e-4*K*exp(X*rho^Y)
  # saturated co
  rsl = gg*((p-5+25.48)/(18.2*10^(0.00091*T-0.0125*api)))^1.205
  rsu = gg*((p+5+25.48)/(18.2*10^(0.00091*T-0.0125*api)))^1.205
  Fl = rsl*sqrt(gg/go)+1.25*T; bol = 0.9759+0.00012*Fl^1.2
  Fu = rsu*sqrt(gg/go)+1.25*T; bou = 0.9759+0.00012*Fu^1.2
  co = bg/(1000*bo)*(rsu-rsl)/10 - (bou-bol)/(10*bo)
  # water
  A0=2.12+0.00345*T-3.59e-5*T^2; A1=0.0107-5.26e-5*T+1.48e-7*T^2; A2=-8.75e-7+3.9e-9*T-1.02e-11*T^2
  rsw=(A0+A1*p+A2*p^2)*(1-s*(0.0753-0.000173*T)); if (rsw<0) rsw=0
  bw=(0.952-1.48e-6*p+10^(0.001996*(T-100)-1.267606))*(1+s*(5.1e-8*p+(T-60)*(5.47e-6-1.95e-10*p)+(T-60)^2*(-3.23e-8+8.5e-13*p)))
  mu1=4.33-0.07*T+0.000473*T^2-1.415e-6*T^3+1.56e-9*T^4
  fsv=1-0.00187*sqrt(s)+0.000218*s^2.5+(sqrt(T)-0.0135*T)*(0.00276*s-0.000344*s^1.5)
  g=0.9829+0.0003416*T-1; if (g<0) g=0
  muw=mu1*fsv*(1+g*p/1e4)
  cw=(3.8546-0.000134*p + (-0.01052+4.77e-7*p)*T + (3.9267e-5-8.8e-10*p)*T^2)*1e-6
  if (p<=pb) cw*= (1+0.0089*rsw)
  cw*= 1+(-0.052+0.00027*T-1.14e-6*T^2+1.121e-9*T^3)*s^0.7
  cf = 13.392/phi^0.438*1e-6
  rhoo=(8829.6/(131.5+api)+13.56*gg*rs/1000)/bo; rhow=(62.4+0.47*s)/bw; rhog=13.56*gg/bg
  D = bo + bg*(rsb-rs)/1000 + bw*wor
  so = bo*(1-swc/100)/D; sw = bw*wor*(1-swc/100)/D + swc/100; sg = 1-so-sw
  ct = cf+so*co+sw*cw+sg*cg
  printf "pb=%.6f rsb=%.3f rs=%.6f bo=%.6f muo=%.6f\n", pb, rsb, rs, bo, muo
  printf "z=%.6f bg=%.6f cg(usip)=%.4f mug=%.6f co(usip)=%.4f\n", z, bg, cg*1e6, mug, co*1e6
  printf "rsw=%.6f bw=%.6f muw=%.6f cw(usip)=%.4f cf(usip)=%.4f\n", rsw, bw, muw, cw*1e6, cf*1e6
  printf "rhoo=%.4f rhog=%.4f rhow=%.4f so=%.4f sw=%.4f sg=%.4f ct(usip)=%.4f\n", rhoo, rhog, rhow, so*100, sw*100, sg*100, ct*1e6
}
function zf(pp,   tpc,ppc,t,A,B,C,D,y,i,f,fp,yn,ppr) {
  tpc=187+330*gg-71.5*gg*gg; ppc=706-51.7*gg-11.1*gg*gg
  t=tpc/(T+460); ppr=pp/ppc
  A=0.06125*t*exp(-1.2*(1-t)^2); B=14.76*t-9.76*t^2+4.58*t^3; C=90.7*t-242.2*t^2+42.4*t^3; D=2.18+2.82*t
  y=0.001
  for (i=1;i<=100;i++) {
    f=-A*ppr+(y+y^2+y^3-y^4)/(1-y)^3-B*y^2+C*y^D
    fp=(1+4*y+4*y^2-4*y^3+y^4)/(1-y)^4-2*B*y+C*D*y^(D-1)
    yn=y-f/fp
    if ((yn-y)^2 < 1e-10) break
    y=yn
  }
  return A*ppr/y
}
